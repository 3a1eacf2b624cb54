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

void BuildBottomRow(QGroupBox* group) {
    const int y = kBottomRowY;
    MakeCheckBox("CheckBoxTpsMapa", "TPS", group)->setGeometry(8, y + 5, 50, 18);

    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        int x;
    } buttons[] = {{"BitBtnAdvMinus", "-", "Take off 1 degree of Advance", 70},
                   {"BitBtnAdvPlus", "+", "Add 1 degree of Advance", 106}};
    for (const auto& field : buttons) {
        QPushButton* button = MakeButton(field.name, field.caption, group);
        SetPixelFont(button, 19, false);
        SetHint(button, field.hint);
        button->setGeometry(field.x, y, 32, 28);
    }
    MakeCheckBox("CheckBoxIgnAll", "All", group)->setGeometry(150, y + 5, 60, 18);

    PlaceSpinField(MakeSpinField("BaseAdv", group, kCellEditWidth), 250, y + 4);
    MakeLabel("LabelBaseAdv", "Base advance [\u00B0]", group)
        ->setGeometry(250 + kCellEditWidth + kUpDownWidth + 8, y + 7, 150, 14);
}

} // namespace

QWidget* BuildPageAdvance(QTabWidget* pages) {
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
        PlaceSpinField(MakeSpinField(qPrintable(Number("RpmAdv", k + 1)), group, kAxisEditWidth),
                       ColumnX(k), kAxisY);
    }

    const char* const rowCaptions[kMapRows] = {"0%",  "2%",  "5%",  "10%", "20%",
                                               "30%", "40%", "60%", "80%", "100%"};
    for (int r = 0; r < kMapRows; ++r) {
        QLabel* label = MakeLabel(qPrintable(Number("LabelTps", r + 1)), rowCaptions[r], group);
        label->setGeometry(kRowLabelX, RowY(r) + kRowLabelDrop, kRowLabelWidth, 14);
        label->setAutoFillBackground(true); // the live operating point is marked in colour
        for (int k = 0; k < kMapColumns; ++k) {
            const std::string cell = std::to_string(50 + kMapColumns * r + k);
            PlaceSpinField(MakeSpinField(cell.c_str(), group, kCellEditWidth),
                           Centred(k, kCellEditWidth + kUpDownWidth), RowY(r));
        }
    }

    for (int k = 0; k < kMapColumns; ++k) {
        auto* column = new SpinButton(group);
        column->setObjectName(Number("CSpinButton", k + 1));
        column->setGeometry(Centred(k, kSpinButtonWidth), kSpinButtonY, kSpinButtonWidth, 16);
    }

    BuildBottomRow(group);
    return page;
}

void PlaceMapRow9(QWidget* form, bool belowAllRows) {
    const auto* rowLabel = form->findChild<QWidget*>(belowAllRows ? "LabelTps10" : "LabelTps1");
    if (!rowLabel)
        return;
    const int y = rowLabel->y() - kRowLabelDrop;
    const int first = 50 + kMapColumns * (kMapRows - 1);
    for (int cell = first; cell < first + kMapColumns; ++cell) {
        for (const char* stem : {"Edit", "UpDown"}) {
            if (auto* widget = form->findChild<QWidget*>(Number(stem, cell)))
                widget->move(widget->x(), y);
        }
    }
}

} // namespace kx
