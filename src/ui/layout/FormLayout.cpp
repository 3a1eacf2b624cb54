#include "ui/layout/FormLayout.h"
#include "ui/layout/LayoutHelpers.h"

#include "config/ConfigBlock.h"
#include "ui/widgets/FittingLabel.h"
#include "ui/widgets/Picture.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <vector>

namespace kx {

namespace {

constexpr QSize kPictureSize(168, 86);
constexpr int kErrorLabelsRow = 2; // of the window's grid

// Alarm captions are as long as the language makes them; they stay within the pages' width.
QLabel* MakeAlarmLabel(const char* name, const QString& text, QWidget* parent, int pixels) {
    auto* label = new FittingLabel(text, parent);
    label->setObjectName(name);
    label->setMaximumWidth(kPagesWidth);
    SetPixelFont(label, pixels, true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::red);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

QWidget* BuildErrorLabels(QWidget* parent, FrameControls& frame) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("ErrorLabels");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    frame.dataError = MakeAlarmLabel("LabelEeDataErr", "Programmed data error", panel, 19);
    frame.version = MakeAlarmLabel("LabelVersion", "", panel, 19);
    for (QLabel* label : {frame.dataError, frame.version}) {
        KeepPlaceWhenHidden(label);
        label->hide();
        column->addWidget(label, 0, Qt::AlignLeft);
    }
    return panel;
}

QLayout* BuildTestLabels(QWidget* parent, FrameControls& frame) {
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    for (int i = 1; i <= 8; ++i) {
        QLabel* label = MakeLabel(qPrintable(QString("LabelTest%1").arg(i)),
                                  QString("Test%1 = ---").arg(i), parent);
        KeepPlaceWhenHidden(label);
        label->hide();
        row->addWidget(label);
        frame.tests[size_t(i - 1)] = label;
    }
    row->addStretch();
    return row;
}

QLabel* BuildPicture(QWidget* parent) {
    QLabel* picture = MakeLabel("Image2", "", parent);
    picture->setFixedSize(kPictureSize);
    picture->setPixmap(IgnitionPicture(kPictureSize));
    return picture;
}

void AddPicture(QGridLayout* grid, QLabel* picture) {
    grid->addWidget(picture, 3, 0, 1, 2, Qt::AlignHCenter | Qt::AlignBottom);
}

QTabWidget* BuildPages(QWidget* parent, FormControls& controls) {
    auto* pages = new QTabWidget(parent);
    pages->setObjectName("PageControl1");
    pages->setMinimumSize(kPagesWidth, kPagesHeight);
    pages->setMaximumSize(kPagesWidth, kPagesHeight); // until the window is made larger
    pages->addTab(BuildPageMiscellaneous(pages, controls), "Miscellaneous");
    pages->addTab(BuildPageBike(pages, controls), "Bike");
    pages->addTab(BuildPageAdvance(pages, controls), "Advance Map");
    pages->addTab(BuildPageServo(pages, controls), "Servo");
    // Pages in the window's own colour, so labels that can be coloured show no grey box at rest.
    for (int i = 0; i < pages->count(); ++i)
        pages->widget(i)->setAutoFillBackground(true);
    return pages;
}

// Tab and Enter walk the fields in this order; up-downs are no stops, hidden controls are
// skipped by the toolkit.
QStringList TabOrder() {
    QStringList order = {"EditTps0",           "EditTps100",     "BitBtnTps0",
                         "BitBtnTps100",       "EditOmez2",      "CheckBoxProgHned",
                         "CheckBoxZakazCteni", "EditPocSynchro", "EditPilotLight",
                         "EditClutchTime",     "EditClutchPause"};
    for (int input = 1; input <= 2; ++input) {
        for (int id = 0; id < 5; ++id)
            order << QString("RadioGroupInput%1Item%2").arg(input).arg(id);
    }
    order << "EditOmez1"
          << "EditRetard";

    order << "ComboBoxBike"
          << "EditPocPalcu"
          << "ComboBoxSynchro"
          << "EditPalec1Zac"
          << "CheckBoxPalec1ZacH2"
          << "CheckBoxPalec1ZacP2"
          << "EditPalec1End"
          << "CheckBoxPalec1EndH2"
          << "CheckBoxPalec1EndP2"
          << "EditPalec2Zac"
          << "CheckBoxPalec2ZacH2"
          << "EditPalec2End"
          << "CheckBoxPalec2EndH2"
          << "CheckBoxPalec2EndP2"
          << "CheckBoxPalec2ZacP2"
          << "EditPocKanalu"
          << "EditKompenz1"
          << "EditKompenz2"
          << "ComboBoxNasobekPalcu"
          << "EditRpmKorekce"
          << "EditRpmPulsu"
          << "CheckBoxInvInput2"
          << "CheckBoxInvInput1";

    for (int k = 1; k <= kAxisPoints; ++k)
        order << QString("EditRpmAdv%1").arg(k);
    for (int cell = 50; cell < 50 + kMapRows * kMapColumns; ++cell)
        order << QString("Edit%1").arg(cell);
    for (int k = 1; k <= kMapColumns; ++k)
        order << QString("CSpinButton%1").arg(k);
    order << "CheckBoxTpsMapa"
          << "CheckBoxIgnAll"
          << "BitBtnAdvMinus"
          << "BitBtnAdvPlus"
          << "EditBaseAdv";

    order << "CheckBoxPrivEnable"
          << "CheckBoxServoAll";
    for (int k = 1; k <= kAxisPoints; ++k)
        order << QString("EditRpmPriv%1").arg(k);
    for (int k = 1; k <= kAxisPoints; ++k)
        order << QString("EditNapPriv%1").arg(k);
    order << "EditPrivHyster"
          << "BitBtnServoMinus"
          << "BitBtnServoPlus";

    order << "ButtonRead"
          << "BitBtnVerify"
          << "BitBtnProgram";
    return order;
}

void SetTabOrder(QMainWindow* form, QTabWidget* pages) {
    std::vector<QWidget*> stops = {pages->tabBar()};
    for (const QString& name : TabOrder()) {
        auto* widget = form->findChild<QWidget*>(name);
        Q_ASSERT_X(widget, "SetTabOrder", qPrintable(name));
        if (!widget)
            continue;
        // A column button is two arrow buttons; both are stops, down first as drawn.
        if (name.startsWith("CSpinButton")) {
            stops.push_back(widget->findChild<QToolButton*>("down"));
            stops.push_back(widget->findChild<QToolButton*>("up"));
        } else {
            stops.push_back(widget);
        }
    }
    for (size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

} // namespace

void ArrangeCompact(const FrameControls& frame, bool compact) {
    auto* grid = static_cast<QGridLayout*>(frame.picture->parentWidget()->layout());
    grid->removeWidget(frame.picture);
    frame.topRow->removeWidget(frame.picture);
    const QSize size = compact ? kPictureSize / 2 : kPictureSize;
    frame.picture->setFixedSize(size);
    frame.picture->setPixmap(IgnitionPicture(size));
    if (compact)
        frame.topRow->addWidget(frame.picture, 0, Qt::AlignVCenter);
    else
        AddPicture(grid, frame.picture);
    for (QLabel* label : frame.tests) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(!compact);
        label->setSizePolicy(policy);
    }
}

FormControls BuildFormLayout(QMainWindow* form) {
    FormControls controls;
    FrameControls& frame = controls.frame;
    form->setWindowTitle("Programming of KX_FLAM3 Ignition Unit");
    QFont font = form->font();
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif"});
    font.setPixelSize(kWindowFontPixels);
    form->setFont(font);

    BuildMenu(form, frame);

    auto* client = new QWidget(form);
    client->setObjectName("FormClient");
    form->setCentralWidget(client);

    frame.connection = MakeAlarmLabel("LabelSpojeni", "No Connection", client, 23);
    frame.connection->setContentsMargins(6, 2, 6, 2);
    frame.pages = BuildPages(client, controls);
    // The block's keys act where the map is, and only there.
    for (QAction* command : frame.menu.edit.cellCommands()) {
        command->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        controls.advance.group->addAction(command);
    }

    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(BuildToolBar(client, frame));
    top->addWidget(frame.connection, 0, Qt::AlignVCenter);
    top->addStretch();
    frame.topRow = top;
    grid->addLayout(top, 0, 0, 1, 2);
    grid->addWidget(frame.pages, 1, 0); // at the top left of its cell, as large as it may be
    grid->addWidget(BuildMonitorColumn(client, controls.monitor), 1, 1, 2, 1);
    grid->addWidget(BuildErrorLabels(client, frame), kErrorLabelsRow, 0,
                    Qt::AlignLeft | Qt::AlignTop);
    frame.picture = BuildPicture(client);
    AddPicture(grid, frame.picture);
    grid->addLayout(BuildTestLabels(client, frame), 4, 0, 1, 2);
    // Room beyond the design size goes to the pages first, up to what their zoom allows; what
    // is left over goes to the band under them, as at the design size.
    grid->setRowStretch(1, 100);
    grid->setRowStretch(kErrorLabelsRow, 1);
    grid->setColumnStretch(0, 7);
    grid->setColumnStretch(1, 3);

    auto* status = new QStatusBar(form);
    status->setObjectName("StatusBar1");
    form->setStatusBar(status);
    frame.statusBar = status;

    SetTabOrder(form, frame.pages);
    form->resize(kDesignWidth, kDesignHeight);
    controls.byName.insert(form->objectName(), form);
    for (QObject* named : form->findChildren<QObject*>()) {
        if (!named->objectName().isEmpty())
            controls.byName.insert(named->objectName(), named);
    }
    return controls;
}

} // namespace kx
