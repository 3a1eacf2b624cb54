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

// The map is placed by position because the view rules move its last row at run time. The
// numbers are those of the design size; a larger window multiplies them by its zoom.
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
constexpr int kRowLabelHeight = 14;
constexpr int kSpinButtonWidth = 37;
constexpr int kSpinButtonY = kFirstRowY + kMapRows * kRowPitch;
constexpr int kBottomRowY = kSpinButtonY + 36;
constexpr int kButtonFontPixels = 19;

// Design positions and sizes, scaled.
class Scaled {
  public:
    explicit Scaled(double zoom) : zoom_(zoom) {}
    int operator()(int design) const { return qRound(design * zoom_); }
    QRect rect(int x, int y, int width, int height) const {
        return QRect((*this)(x), (*this)(y), (*this)(width), (*this)(height));
    }
    double zoom() const { return zoom_; }

    int columnX(int column) const { return (*this)(kFirstColumnX + column * kColumnPitch); }
    // Cells and column buttons are centred under their speed heading.
    int centred(int column, int width) const {
        return columnX(column) + ((*this)(kAxisEditWidth + kUpDownWidth) - (*this)(width)) / 2;
    }
    int rowY(int row) const { return (*this)(kFirstRowY + row * kRowPitch); }

  private:
    double zoom_;
};

void PlaceSpinField(const SpinField& field, const Scaled& at, int x, int y, int editWidth) {
    field.edit->setFixedSize(at(editWidth), at(kFieldHeight));
    field.edit->move(x, y);
    field.upDown->setZoom(at.zoom());
    field.upDown->move(x + field.edit->width(), y);
}

QString Number(const char* stem, int number) {
    return stem + QString::number(number);
}

void BuildBottomRow(QGroupBox* group, FormControls& controls) {
    AdvancePage& advance = controls.advance;
    advance.tpsRows = MakeCheckBox(controls, "CheckBoxTpsMapa", "TPS", group);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        QPushButton** button;
    } buttons[] = {{"BitBtnAdvMinus", "-", "Take off 1 degree of Advance", &advance.minus},
                   {"BitBtnAdvPlus", "+", "Add 1 degree of Advance", &advance.plus}};
    for (const auto& field : buttons) {
        QPushButton* button = MakeButton(field.name, field.caption, group);
        SetHint(button, field.hint);
        *field.button = button;
    }
    advance.all = MakeCheckBox(controls, "CheckBoxIgnAll", "All", group);
    advance.baseAdvance = MakeSpinField(controls, "BaseAdv", group, kCellEditWidth);
    advance.baseAdvanceLabel = MakeLabel("LabelBaseAdv", "Base advance [\u00B0]", group);
}

void PlaceBottomRow(const AdvancePage& advance, const Scaled& at) {
    const int y = kBottomRowY;
    advance.tpsRows->setGeometry(at.rect(8, y + 5, 50, 18));
    advance.minus->setGeometry(at.rect(70, y, 32, 28));
    advance.plus->setGeometry(at.rect(106, y, 32, 28));
    for (QPushButton* button : {advance.minus, advance.plus})
        SetPixelFont(button, at(kButtonFontPixels), false);
    advance.all->setGeometry(at.rect(150, y + 5, 60, 18));
    PlaceSpinField(advance.baseAdvance, at, at(250), at(y + 4), kCellEditWidth);
    advance.baseAdvanceLabel->setGeometry(
        at.rect(250 + kCellEditWidth + kUpDownWidth + 8, y + 7, 150, 14));
}

} // namespace

QWidget* BuildPageAdvance(QTabWidget* pages, FormControls& controls) {
    AdvancePage& advance = controls.advance;
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetAdvance");
    auto* group = new QGroupBox(page);
    group->setObjectName("GroupBox6");
    advance.group = group;
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(group);

    advance.corner = MakeLabel("LabelRpm1", "RPM", group);
    SetHint(advance.corner, "Round per Minute|Speed - Round per Minute");
    for (int k = 0; k < kMapColumns; ++k) {
        advance.axis[size_t(k)] =
            MakeSpinField(controls, qPrintable(Number("RpmAdv", k + 1)), group, kAxisEditWidth);
    }
    const char* const rowCaptions[kMapRows] = {"0%",  "2%",  "5%",  "10%", "20%",
                                               "30%", "40%", "60%", "80%", "100%"};
    for (int r = 0; r < kMapRows; ++r) {
        QLabel* label = MakeLabel(qPrintable(Number("LabelTps", r + 1)), rowCaptions[r], group);
        label->setAutoFillBackground(true); // the live operating point is marked in colour
        advance.rowLabels[size_t(r)] = label;
        for (int k = 0; k < kMapColumns; ++k) {
            const int index = MapIndex(r, k);
            advance.cells[size_t(index)] =
                MakeSpinField(controls, std::to_string(50 + index).c_str(), group, kCellEditWidth);
        }
    }
    for (int k = 0; k < kMapColumns; ++k) {
        auto* column = new SpinButton(group);
        column->setObjectName(Number("CSpinButton", k + 1));
        advance.columnButtons[size_t(k)] = column;
    }
    BuildBottomRow(group, controls);
    PlaceAdvancePage(advance, 1.0, false);
    return page;
}

void PlaceAdvancePage(const AdvancePage& advance, double zoom, bool row9BelowAllRows) {
    const Scaled at(zoom);
    QFont font = advance.group->font();
    font.setPixelSize(at(kWindowFontPixels));
    advance.group->setFont(font);

    advance.corner->setGeometry(
        at.rect(kRowLabelX, kAxisY + kRowLabelDrop, kRowLabelWidth, kRowLabelHeight));
    for (int k = 0; k < kMapColumns; ++k)
        PlaceSpinField(advance.axis[size_t(k)], at, at.columnX(k), at(kAxisY), kAxisEditWidth);
    for (int r = 0; r < kMapRows; ++r) {
        advance.rowLabels[size_t(r)]->setGeometry(
            at.rect(kRowLabelX, kFirstRowY + r * kRowPitch + kRowLabelDrop, kRowLabelWidth,
                    kRowLabelHeight));
        for (int k = 0; k < kMapColumns; ++k) {
            PlaceSpinField(advance.cells[size_t(MapIndex(r, k))], at,
                           at.centred(k, kCellEditWidth + kUpDownWidth), at.rowY(r),
                           kCellEditWidth);
        }
    }
    for (int k = 0; k < kMapColumns; ++k) {
        SpinButton* column = advance.columnButtons[size_t(k)];
        column->setZoom(zoom);
        column->setGeometry(at.centred(k, kSpinButtonWidth), at(kSpinButtonY), at(kSpinButtonWidth),
                            at(16));
    }
    PlaceBottomRow(advance, at);
    PlaceMapRow9(advance, row9BelowAllRows);
}

void PlaceMapRow9(const AdvancePage& advance, bool belowAllRows) {
    const QLabel* rowLabel = advance.rowLabels[belowAllRows ? kMapRows - 1 : 0];
    const double zoom = rowLabel->height() / double(kRowLabelHeight); // as the page was placed
    const int y = rowLabel->y() - qRound(kRowLabelDrop * zoom);
    for (int k = 0; k < kMapColumns; ++k) {
        const SpinField& cell = advance.cells[size_t(MapIndex(kMapRows - 1, k))];
        for (QWidget* widget :
             {static_cast<QWidget*>(cell.edit), static_cast<QWidget*>(cell.upDown)})
            widget->move(widget->x(), y);
    }
}

} // namespace kx
