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

QGridLayout* BuildValueRows(QWidget* page, FormControls& controls) {
    MiscellaneousPage& misc = controls.miscellaneous;
    const struct {
        const char* field;
        const char* label;
        const char* text;
        ValueRow* row;
    } rows[] = {
        {"Omez1", "LabelOmez1", "Start Limiter [rpm]", &misc.startLimiter},
        {"Omez2", "LabelOmez2", "Limiter [rpm]", &misc.limiter},
        {"PilotLight", "LabelPilotLight", "Gear Shift Light [rpm]", &misc.pilotLight},
        {"ClutchTime", "LabelClutchTime", "Clutch master time [ms]", &misc.clutchTime},
        {"ClutchPause", "LabelClutchPause", "Clutch master pause [ms]", &misc.clutchPause},
        {"Retard", "LabelRetard", "Retard [\u00B0]", &misc.retard},
        {"PocSynchro", "LabelPocSynchro", "Revolutions without ignition", &misc.noIgnitionRevs},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    int r = 0;
    for (const auto& row : rows) {
        row.row->field = MakeSpinField(controls, row.field, page, kEditWidth);
        row.row->label = MakeLabel(row.label, row.text, page);
        grid->addLayout(SpinRow(row.row->field), r, 0, Qt::AlignLeft);
        grid->addWidget(row.row->label, r, 1);
        ++r;
    }
    return grid;
}

QGroupBox* BuildTpsGroup(QWidget* page, FormControls& controls) {
    MiscellaneousPage& misc = controls.miscellaneous;
    auto* group = new QGroupBox("TPS", page);
    group->setObjectName("GroupBoxTps");
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->addWidget(MakeLabel("LabelTps0", "0%  [mV]", group), 0, 0);
    misc.tps0 = MakeSpinField(controls, "Tps0", group, kEditWidth);
    grid->addLayout(SpinRow(misc.tps0), 0, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel("LabelTps100", "100%  [mv]", group), 1, 0);
    misc.tps100 = MakeSpinField(controls, "Tps100", group, kEditWidth);
    grid->addLayout(SpinRow(misc.tps100), 1, 1, Qt::AlignLeft);
    misc.setTps0 = MakeButton("BitBtnTps0", "Set TPS 0 %", group);
    misc.setTps100 = MakeButton("BitBtnTps100", "Set TPS 100 %", group);
    for (QPushButton* button : {misc.setTps0, misc.setTps100})
        KeepPlaceWhenHidden(button);
    grid->addWidget(misc.setTps0, 2, 0);
    grid->addWidget(misc.setTps100, 2, 1);
    return group;
}

// Five functions per input; the two inputs differ only in item 1.
QLayout* BuildInputGroup(QWidget* page, int input, MiscellaneousPage& misc) {
    const QString name = QString("RadioGroupInput%1").arg(input);
    auto* group = new QGroupBox(QString("Input %1").arg(input), page);
    group->setObjectName(name);
    auto* buttons = new QButtonGroup(group);
    buttons->setObjectName(name + "Buttons");
    misc.inputs[size_t(input - 1)] = buttons;
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
    misc.inputStates[size_t(input - 1)] = state;
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(group);
    column->addWidget(state, 0, Qt::AlignLeft);
    return column;
}

} // namespace

QWidget* BuildPageMiscellaneous(QTabWidget* pages, FormControls& controls) {
    MiscellaneousPage& misc = controls.miscellaneous;
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetRuzne");

    QCheckBox* programAtOnce =
        MakeCheckBox(controls, "CheckBoxProgHned", "Programming after change", page, true);
    SetHint(programAtOnce, "Programing at once after change");
    QCheckBox* noReading = MakeCheckBox(controls, "CheckBoxZakazCteni", "No Reading", page);
    misc.programAfterChange = programAtOnce;
    misc.noReading = noReading;
    // Both show a warning colour behind their text while set.
    for (QCheckBox* box : {programAtOnce, noReading})
        box->setAutoFillBackground(true);
    KeepPlaceWhenHidden(programAtOnce);

    auto* right = new QVBoxLayout;
    right->setSpacing(12);
    right->addWidget(BuildTpsGroup(page, controls));
    right->addWidget(programAtOnce, 0, Qt::AlignLeft);
    right->addWidget(noReading, 0, Qt::AlignLeft);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(BuildValueRows(page, controls));
    top->addStretch();
    top->addLayout(right);

    auto* inputs = new QHBoxLayout;
    inputs->setSpacing(24);
    inputs->addLayout(BuildInputGroup(page, 1, misc), 1);
    inputs->addLayout(BuildInputGroup(page, 2, misc), 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(20);
    layout->addLayout(top);
    layout->addLayout(inputs);
    layout->addStretch();
    return page;
}

} // namespace kx
