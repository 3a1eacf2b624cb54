#include "app/CurvePanel.h"

#include "texts/WorkbenchTexts.h"
#include "ui/widgets/CurveChart.h"

#include <QGroupBox>
#include <QLayout>
#include <QTabWidget>

#include <algorithm>

namespace kx {

namespace {

constexpr double kServoMvPerStep = 20;
constexpr double kRpmPerStep = 100;
constexpr double kHighestServoMv = 5000;

template <typename Array, typename Source>
void CopyInto(Array& into, const Source& from) {
    std::copy(std::begin(from), std::end(from), into.begin());
}

// The throttle rows from blue at 0 % to red at 100 %, without the live dot's green.
QColor RowColour(int row) {
    const double toFull = row / double(kMapRows - 1);
    return QColor::fromRgbF(0.12 + 0.74 * toFull, 0.22 - 0.1 * toFull, 0.86 - 0.74 * toFull);
}

QString Text(WorkbenchText text, uint8_t languageIndex) {
    return QString::fromStdString(WorkbenchTextIn(text, languageIndex));
}

} // namespace

bool CurvePanel::Drawn::operator==(const Drawn& o) const {
    return advance == o.advance && rpmAdv == o.rpmAdv && servoRpm == o.servoRpm &&
           servoMv == o.servoMv && allRows == o.allRows && servo == o.servo &&
           languageIndex == o.languageIndex;
}

bool CurvePanel::OnServoPage() const {
    const QWidget* page = controls_.frame.pages->currentWidget();
    return page && page->isAncestorOf(controls_.servo.group);
}

void CurvePanel::Show(const ConfigBlock& block, bool shown, uint8_t languageIndex) {
    QWidget* area = controls_.monitor.curveArea;
    area->setVisible(shown);
    if (!shown)
        return;
    Drawn now;
    CopyInto(now.advance, block.advance);
    CopyInto(now.rpmAdv, block.rpmAdv);
    CopyInto(now.servoRpm, block.servoRpm);
    CopyInto(now.servoMv, block.servoMv);
    now.allRows = block.tpsMapa != 0;
    now.servo = OnServoPage();
    now.languageIndex = languageIndex;
    if (drawn_ == now)
        return;
    if (!chart_) {
        chart_ = new CurveChart(area);
        area->layout()->addWidget(chart_);
        chart_->show();
    }
    std::vector<CurveChart::Curve> curves;
    const QString speed = Text(WorkbenchText::CurveSpeed, languageIndex);
    if (now.servo) {
        CurveChart::Curve& table = curves.emplace_back();
        table.colour = QColor(30, 60, 200);
        for (int i = 0; i < kAxisPoints; ++i)
            table.points << QPointF(now.servoRpm[i] * kRpmPerStep,
                                    now.servoMv[i] * kServoMvPerStep);
        chart_->SetCurves(curves, speed,
                          {Text(WorkbenchText::CurveServo, languageIndex), kHighestServoMv, 2});
    } else {
        // Only the rows the map uses: all ten with the throttle rows, else the 100 % row.
        for (int row = now.allRows ? 0 : kMapRows - 1; row < kMapRows; ++row) {
            CurveChart::Curve& line = curves.emplace_back();
            line.colour = RowColour(row);
            // The legend names the ends of the throttle scale; the colours run between them.
            if (now.allRows && (row == 0 || row == kMapRows - 1))
                line.name = QString("%1 %").arg(TpsBreakpoints[row]);
            for (int column = 0; column < kMapColumns; ++column) {
                line.points << QPointF(now.rpmAdv[column] * kRpmPerStep,
                                       now.advance[MapIndex(row, column)]);
            }
        }
        chart_->SetCurves(curves, speed,
                          {Text(WorkbenchText::CurveAdvance, languageIndex), kAdvanceMax, 3});
    }
    drawn_ = now;
}

void CurvePanel::MarkLive(const LiveValues& live, const MonitorState& monitor, bool dataCurrent) {
    if (!chart_ || !drawn_ || controls_.monitor.curveArea->isHidden())
        return;
    std::optional<QPointF> point;
    if (dataCurrent && drawn_->servo && monitor.servoVisible)
        point = QPointF(live.liveRpm, monitor.servoDesiredMv);
    else if (dataCurrent && !drawn_->servo && monitor.advance[0])
        point = QPointF(live.liveRpm, monitor.advance[0]->advance);
    chart_->SetLivePoint(point);
}

} // namespace kx
