#include "ui/layout/LayoutHelpers.h"

#include "config/ConfigBlock.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kx {

namespace {

constexpr int kEditWidth = 46; // "20,100"
constexpr QSize kButtonSize(32, 28);
constexpr int kButtonFontPixels = 19;

QGridLayout* BuildTable(QGroupBox* group, FormControls& controls) {
    ServoPage& servo = controls.servo;
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(0);
    table->setVerticalSpacing(10);
    table->addWidget(MakeLabel("Label6", "RPM", group), 0, 0);
    table->addWidget(MakeLabel("Label5", "[mV]", group), 1, 0);
    table->setColumnMinimumWidth(0, 34);
    for (int k = 0; k < kAxisPoints; ++k) {
        const QString number = QString::number(k + 1);
        SpinField& rpm = servo.rpm[size_t(k)];
        SpinField& mv = servo.mv[size_t(k)];
        rpm = MakeSpinField(controls, qPrintable("RpmPriv" + number), group, kEditWidth);
        table->addLayout(SpinRow(rpm), 0, k + 1, Qt::AlignLeft);
        mv = MakeSpinField(controls, qPrintable("NapPriv" + number), group, kEditWidth);
        table->addLayout(SpinRow(mv), 1, k + 1, Qt::AlignLeft);
        table->setColumnMinimumWidth(k + 1, kEditWidth + 15 + 3);
    }
    table->setColumnStretch(kAxisPoints + 1, 1);
    return table;
}

QHBoxLayout* BuildTools(QGroupBox* group, FormControls& controls) {
    ServoPage& servo = controls.servo;
    auto* tools = new QHBoxLayout;
    tools->setSpacing(8);
    servo.hysteresis = MakeSpinField(controls, "PrivHyster", group, kEditWidth);
    tools->addLayout(SpinRow(servo.hysteresis));
    tools->addWidget(MakeLabel("LabelServoHyster", "Servo Hysteresis [mV]", group));
    tools->addSpacing(24);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        QPushButton** button;
    } buttons[] = {{"BitBtnServoMinus", "-", "Take off 20 mV", &servo.minus},
                   {"BitBtnServoPlus", "+", "Add 20 mV", &servo.plus}};
    for (const auto& field : buttons) {
        QPushButton* button = MakeButton(field.name, field.caption, group);
        SetHint(button, field.hint);
        KeepPlaceWhenHidden(button);
        tools->addWidget(button);
        *field.button = button;
    }
    tools->addSpacing(8);
    servo.all = MakeCheckBox(controls, "CheckBoxServoAll", "All", group);
    KeepPlaceWhenHidden(servo.all);
    tools->addWidget(servo.all);
    tools->addStretch();
    return tools;
}

} // namespace

QWidget* BuildPageServo(QTabWidget* pages, FormControls& controls) {
    ServoPage& servo = controls.servo;
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetServo");

    auto* group = new QGroupBox("Servo", page);
    group->setObjectName("GroupBoxPrivera");
    servo.group = group;
    auto* inside = new QVBoxLayout(group);
    inside->setContentsMargins(8, 12, 8, 10);
    inside->setSpacing(16);
    inside->addLayout(BuildTable(group, controls));
    inside->addLayout(BuildTools(group, controls));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 12, 8, 8);
    layout->setSpacing(10);
    servo.enable = MakeCheckBox(controls, "CheckBoxPrivEnable", "Servo enable", page);
    layout->addWidget(servo.enable, 0, Qt::AlignLeft);
    layout->addWidget(group);
    layout->addStretch();
    ZoomServoPage(servo, 1.0);
    return page;
}

void ZoomServoPage(const ServoPage& servo, double zoom) {
    QFont font = servo.group->font();
    font.setPixelSize(qRound(kWindowFontPixels * zoom));
    servo.group->setFont(font);
    auto zoomField = [zoom](const SpinField& field) {
        field.edit->setFixedSize(qRound(kEditWidth * zoom), qRound(kFieldHeight * zoom));
        field.upDown->setZoom(zoom);
    };
    for (size_t k = 0; k < servo.rpm.size(); ++k) {
        zoomField(servo.rpm[k]);
        zoomField(servo.mv[k]);
    }
    zoomField(servo.hysteresis);
    for (QPushButton* button : {servo.minus, servo.plus}) {
        button->setFixedSize(kButtonSize * zoom);
        SetPixelFont(button, qRound(kButtonFontPixels * zoom), false);
    }
}

} // namespace kx
