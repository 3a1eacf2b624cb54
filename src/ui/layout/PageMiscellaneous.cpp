#include "ui/layout/LayoutHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kx {

namespace {

constexpr int kEditWidth = 56;

QGridLayout* BuildValueRows(QWidget* page) {
    const struct {
        const char* field;
        const char* label;
        const char* text;
    } rows[] = {
        {"Omez1", "LabelOmez1", "Start Limiter [rpm]"},
        {"Omez2", "LabelOmez2", "Limiter [rpm]"},
        {"PilotLight", "LabelPilotLight", "Gear Shift Light [rpm]"},
        {"ClutchTime", "LabelClutchTime", "Clutch master time [ms]"},
        {"ClutchPause", "LabelClutchPause", "Clutch master pause [ms]"},
        {"Retard", "LabelRetard", "Retard [\u00B0]"},
        {"PocSynchro", "LabelPocSynchro", "Revolutions without ignition"},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    int r = 0;
    for (const auto& row : rows) {
        grid->addLayout(SpinRow(MakeSpinField(row.field, page, kEditWidth)), r, 0, Qt::AlignLeft);
        grid->addWidget(MakeLabel(row.label, row.text, page), r, 1);
        ++r;
    }
    return grid;
}

QGroupBox* BuildTpsGroup(QWidget* page) {
    auto* group = new QGroupBox("TPS", page);
    group->setObjectName("GroupBoxTps");
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->addWidget(MakeLabel("LabelTps0", "0%  [mV]", group), 0, 0);
    grid->addLayout(SpinRow(MakeSpinField("Tps0", group, kEditWidth)), 0, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel("LabelTps100", "100%  [mv]", group), 1, 0);
    grid->addLayout(SpinRow(MakeSpinField("Tps100", group, kEditWidth)), 1, 1, Qt::AlignLeft);
    QPushButton* zero = MakeButton("BitBtnTps0", "Set TPS 0 %", group);
    QPushButton* full = MakeButton("BitBtnTps100", "Set TPS 100 %", group);
    for (QPushButton* button : {zero, full})
        KeepPlaceWhenHidden(button);
    grid->addWidget(zero, 2, 0);
    grid->addWidget(full, 2, 1);
    return group;
}

// Five functions per input; the two inputs differ only in item 1.
QLayout* BuildInputGroup(QWidget* page, int input) {
    const QString name = QString("RadioGroupInput%1").arg(input);
    auto* group = new QGroupBox(QString("Input %1").arg(input), page);
    group->setObjectName(name);
    auto* buttons = new QButtonGroup(group);
    buttons->setObjectName(name + "Buttons");
    auto* items = new QVBoxLayout(group);
    items->setSpacing(4);
    const char* const texts[] = {"Off", input == 1 ? "Kill switch" : "Blocking", "Clutch master",
                                 "Retard", "Start Limiter"};
    for (int id = 0; id < 5; ++id) {
        auto* item = new QRadioButton(texts[id], group);
        item->setObjectName(name + "Item" + QString::number(id));
        item->setChecked(id == 0);
        buttons->addButton(item, id);
        items->addWidget(item);
    }

    QLabel* state = MakeLabel(input == 1 ? "LabelMonInput1In" : "LabelMonInput2In",
                              QString("Input %1: ---").arg(input), page);
    SetPixelFont(state, 13, false);
    state->setAutoFillBackground(true); // grounded inputs are shown in colour
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(group);
    column->addWidget(state, 0, Qt::AlignLeft);
    return column;
}

} // namespace

QWidget* BuildPageMiscellaneous(QTabWidget* pages) {
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetRuzne");

    QCheckBox* programAtOnce =
        MakeCheckBox("CheckBoxProgHned", "Programming after change", page, true);
    SetHint(programAtOnce, "Programing at once after change");
    QCheckBox* noReading = MakeCheckBox("CheckBoxZakazCteni", "No Reading", page);
    // Both show a warning colour behind their text while set.
    for (QCheckBox* box : {programAtOnce, noReading})
        box->setAutoFillBackground(true);
    KeepPlaceWhenHidden(programAtOnce);

    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(BuildTpsGroup(page));
    right->addWidget(programAtOnce, 0, Qt::AlignLeft);
    right->addWidget(noReading, 0, Qt::AlignLeft);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(BuildValueRows(page));
    top->addStretch();
    top->addLayout(right);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(24);
    inputs->addLayout(BuildInputGroup(page, 1), 1);
    inputs->addLayout(BuildInputGroup(page, 2), 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addLayout(inputs);
    layout->addStretch();
    return page;
}

} // namespace kx
