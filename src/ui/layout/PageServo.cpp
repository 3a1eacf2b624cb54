#include "ui/layout/LayoutHelpers.h"

#include "config/ConfigBlock.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kx {

namespace {

constexpr int kEditWidth = 46; // "20,100"

QGridLayout* BuildTable(QGroupBox* group) {
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(0);
    table->setVerticalSpacing(10);
    table->addWidget(MakeLabel("Label6", "RPM", group), 0, 0);
    table->addWidget(MakeLabel("Label5", "[mV]", group), 1, 0);
    table->setColumnMinimumWidth(0, 34);
    for (int k = 0; k < kAxisPoints; ++k) {
        const QString number = QString::number(k + 1);
        table->addLayout(SpinRow(MakeSpinField(qPrintable("RpmPriv" + number), group, kEditWidth)),
                         0, k + 1, Qt::AlignLeft);
        table->addLayout(SpinRow(MakeSpinField(qPrintable("NapPriv" + number), group, kEditWidth)),
                         1, k + 1, Qt::AlignLeft);
        table->setColumnMinimumWidth(k + 1, kEditWidth + 15 + 3);
    }
    table->setColumnStretch(kAxisPoints + 1, 1);
    return table;
}

QHBoxLayout* BuildTools(QGroupBox* group) {
    auto* tools = new QHBoxLayout;
    tools->setSpacing(8);
    tools->addLayout(SpinRow(MakeSpinField("PrivHyster", group, kEditWidth)));
    tools->addWidget(MakeLabel("LabelServoHyster", "Servo Hysteresis [mV]", group));
    tools->addSpacing(24);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
    } buttons[] = {{"BitBtnServoMinus", "-", "Take off 20 mV"},
                   {"BitBtnServoPlus", "+", "Add 20 mV"}};
    for (const auto& field : buttons) {
        QPushButton* button = MakeButton(field.name, field.caption, group);
        SetPixelFont(button, 19, false);
        SetHint(button, field.hint);
        button->setFixedSize(32, 28);
        KeepPlaceWhenHidden(button);
        tools->addWidget(button);
    }
    tools->addSpacing(8);
    QCheckBox* all = MakeCheckBox("CheckBoxServoAll", "All", group);
    KeepPlaceWhenHidden(all);
    tools->addWidget(all);
    tools->addStretch();
    return tools;
}

} // namespace

QWidget* BuildPageServo(QTabWidget* pages) {
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetServo");

    auto* group = new QGroupBox("Servo", page);
    group->setObjectName("GroupBoxPrivera");
    auto* inside = new QVBoxLayout(group);
    inside->setContentsMargins(8, 12, 8, 10);
    inside->setSpacing(16);
    inside->addLayout(BuildTable(group));
    inside->addLayout(BuildTools(group));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 12, 8, 8);
    layout->setSpacing(10);
    layout->addWidget(MakeCheckBox("CheckBoxPrivEnable", "Servo enable", page), 0, Qt::AlignLeft);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

} // namespace kx
