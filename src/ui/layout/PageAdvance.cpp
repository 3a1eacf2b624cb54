#include "ui/layout/FormLayout.h"
#include "ui/layout/LayoutHelpers.h"

#include "config/ConfigBlock.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kx {

namespace {

// The map is placed by position because the view rules move its last row at run time.
constexpr int kFirstColumnX = 40;
constexpr int kColumnPitch = 64;
constexpr int kAxisEditWidth = 46; // "20,100"
constexpr int kCellEditWidth = 30; // two digits
constexpr int kUpDownWidth = 15;
constexpr int kAxisY = 22;
constexpr int kFirstRowY = 56;
constexpr int kRowPitch = 30;
constexpr int kRowLabelX = 6;
constexpr int kRowLabelWidth = 30;
constexpr int kRowLabelDrop = 4; // a row label sits this much below its cells' top
constexpr int kSpinButtonWidth = 37;
constexpr int kSpinButtonY = kFirstRowY + kMapRows * kRowPitch;
constexpr int kBottomRowY = kSpinButtonY + 36;

int ColumnX(int column) {
    return kFirstColumnX + column * kColumnPitch;
}
// Cells and column buttons are centred under their speed heading.
int Centred(int column, int width) {
    return ColumnX(column) + (kAxisEditWidth + kUpDownWidth - width) / 2;
}
int RowY(int row) {
    return kFirstRowY + row * kRowPitch;
}

void PlaceSpinField(const SpinField& field, int x, int y) {
    field.edit->move(x, y);
    field.upDown->move(x + field.edit->width(), y);
}

QString Number(const char* stem, int number) {
    return stem + QString::number(number);
}

void BuildBottomRow(QGroupBox* group, FormControls& controls) {
    AdvancePage& advance = controls.advance;
    const int y = kBottomRowY;
    advance.tpsRows = MakeCheckBox(controls, "CheckBoxTpsMapa", "TPS", group);
    advance.tpsRows->setGeometry(8, y + 5, 50, 18);

    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        int x;
        QPushButton** button;
    } buttons[] = {{"BitBtnAdvMinus", "-", "Take off 1 degree of Advance", 70, &advance.minus},
                   {"BitBtnAdvPlus", "+", "Add 1 degree of Advance", 106, &advance.plus}};
    for (const auto& field : buttons) {
        QPushButton* button = MakeButton(field.name, field.caption, group);
        SetPixelFont(button, 19, false);
        SetHint(button, field.hint);
        button->setGeometry(field.x, y, 32, 28);
        *field.button = button;
    }
    advance.all = MakeCheckBox(controls, "CheckBoxIgnAll", "All", group);
    advance.all->setGeometry(150, y + 5, 60, 18);

    advance.baseAdvance = MakeSpinField(controls, "BaseAdv", group, kCellEditWidth);
    PlaceSpinField(advance.baseAdvance, 250, y + 4);
    MakeLabel("LabelBaseAdv", "Base advance [\u00B0]", group)
        ->setGeometry(250 + kCellEditWidth + kUpDownWidth + 8, y + 7, 150, 14);
}

} // namespace

QWidget* BuildPageAdvance(QTabWidget* pages, FormControls& controls) {
    AdvancePage& advance = controls.advance;
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetAdvance");
    auto* group = new QGroupBox(page);
    group->setObjectName("GroupBox6");
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(group);

    QLabel* corner = MakeLabel("LabelRpm1", "RPM", group);
    corner->setGeometry(kRowLabelX, kAxisY + kRowLabelDrop, kRowLabelWidth, 14);
    SetHint(corner, "Round per Minute|Speed - Round per Minute");

    for (int k = 0; k < kMapColumns; ++k) {
        SpinField& axis = advance.axis[size_t(k)];
        axis = MakeSpinField(controls, qPrintable(Number("RpmAdv", k + 1)), group, kAxisEditWidth);
        PlaceSpinField(axis, ColumnX(k), kAxisY);
    }

    const char* const rowCaptions[kMapRows] = {"0%",  "2%",  "5%",  "10%", "20%",
                                               "30%", "40%", "60%", "80%", "100%"};
    for (int r = 0; r < kMapRows; ++r) {
        QLabel* label = MakeLabel(qPrintable(Number("LabelTps", r + 1)), rowCaptions[r], group);
        label->setGeometry(kRowLabelX, RowY(r) + kRowLabelDrop, kRowLabelWidth, 14);
        label->setAutoFillBackground(true); // the live operating point is marked in colour
        advance.rowLabels[size_t(r)] = label;
        for (int k = 0; k < kMapColumns; ++k) {
            const int index = MapIndex(r, k);
            SpinField& cell = advance.cells[size_t(index)];
            cell =
                MakeSpinField(controls, std::to_string(50 + index).c_str(), group, kCellEditWidth);
            PlaceSpinField(cell, Centred(k, kCellEditWidth + kUpDownWidth), RowY(r));
        }
    }

    for (int k = 0; k < kMapColumns; ++k) {
        auto* column = new SpinButton(group);
        column->setObjectName(Number("CSpinButton", k + 1));
        column->setGeometry(Centred(k, kSpinButtonWidth), kSpinButtonY, kSpinButtonWidth, 16);
        advance.columnButtons[size_t(k)] = column;
    }

    BuildBottomRow(group, controls);
    return page;
}

void PlaceMapRow9(const AdvancePage& advance, bool belowAllRows) {
    const QLabel* rowLabel = advance.rowLabels[belowAllRows ? kMapRows - 1 : 0];
    const int y = rowLabel->y() - kRowLabelDrop;
    for (int k = 0; k < kMapColumns; ++k) {
        const SpinField& cell = advance.cells[size_t(MapIndex(kMapRows - 1, k))];
        for (QWidget* widget :
             {static_cast<QWidget*>(cell.edit), static_cast<QWidget*>(cell.upDown)})
            widget->move(widget->x(), y);
    }
}

} // namespace kx
