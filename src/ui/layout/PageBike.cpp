#include "ui/layout/LayoutHelpers.h"

#include "ui/widgets/FittingLabel.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kx {

namespace {

constexpr int kEditWidth = 40;
constexpr int kSmallEditWidth = 32;

// The synchronisation box is laid out by position: the column headings above the two channel
// boxes have to line up with the columns inside them. Its width takes the German caption.
constexpr int kSpecialWidth = 440;
constexpr int kSynchroRowY = 38; // the method list has a row of its own: its German items are long
constexpr int kBelowSynchro = 26;
constexpr int kSpecialHeight = 336 + kBelowSynchro;
constexpr int kChannelX = 10;
constexpr int kChannelWidth = kSpecialWidth - 2 * kChannelX;
constexpr int kChannelHeight = 70;
constexpr int kChannelRowY[] = {20, 44};
constexpr int kRowLabelX = 10;
constexpr int kLobeX = 136;       // edit of the lobe column
constexpr int kColumnCentre[] = { // lobe, 2nd edge, 2nd pick-up
    kLobeX + (kSmallEditWidth + 15) / 2, 240, 330};
constexpr int kHeadingWidth = 90;

QComboBox* MakeCombo(const char* name, QWidget* parent, const QStringList& items, int visible) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setMaxVisibleItems(visible);
    SetHint(combo, "Type of keying");
    return combo;
}

void PlaceSpinField(const SpinField& field, int x, int y) {
    field.edit->move(x, y);
    field.upDown->move(x + field.edit->width(), y);
}

QGroupBox* BuildChannel(QWidget* special, int channel, int y, FormControls& controls) {
    LobeChannel& lobes = controls.bike.channels[size_t(channel - 1)];
    const QString palec = QString("Palec%1").arg(channel);
    auto* group = new QGroupBox(QString("Channel %1").arg(channel), special);
    group->setObjectName("GroupBox" + palec);
    group->setGeometry(kChannelX, y, kChannelWidth, kChannelHeight);
    lobes.group = group;
    const struct {
        const char* part;
        const char* text;
        LobeRow* lobe;
    } rows[] = {{"Zac", "Maximum advance", &lobes.maximumAdvance},
                {"End", "Start advance", &lobes.startAdvance}};
    for (int r = 0; r < 2; ++r) {
        LobeRow& lobe = *rows[r].lobe;
        const QString stem = palec + rows[r].part;
        const int rowY = kChannelRowY[r];
        lobe.label = MakeLabel(qPrintable("Label" + stem), rows[r].text, group);
        lobe.label->setGeometry(kRowLabelX, rowY + 3, kLobeX - kRowLabelX - 8, 14);
        lobe.lobe = MakeSpinField(controls, qPrintable(stem), group, kSmallEditWidth);
        PlaceSpinField(lobe.lobe, kLobeX, rowY);
        const struct {
            const char* suffix;
            QCheckBox** box;
        } columns[] = {{"H2", &lobe.secondEdge}, {"P2", &lobe.secondPickup}};
        for (int c = 0; c < 2; ++c) {
            QCheckBox* box = MakeCheckBox(
                controls, qPrintable("CheckBox" + stem + columns[c].suffix), "", group);
            const QSize size = box->sizeHint();
            box->setGeometry(kColumnCentre[c + 1] - size.width() / 2,
                             rowY + (kFieldHeight - size.height()) / 2, size.width(),
                             size.height());
            *columns[c].box = box;
        }
    }
    return group;
}

QGroupBox* BuildSpecial(QWidget* page, FormControls& controls) {
    BikePage& bike = controls.bike;
    auto* special = new QGroupBox(
        "Specification of synchronization - Caution - For experienced user only!", page);
    special->setObjectName("GroupBoxSpecial");
    special->setFixedSize(kSpecialWidth, kSpecialHeight);
    bike.special = special;

    bike.synchroLabel = MakeLabel("LabelSynchro", "Synchronization method", special);
    bike.synchroLabel->setGeometry(10, kSynchroRowY - 16, kChannelWidth, 14);
    bike.synchro =
        MakeCombo("ComboBoxSynchro", special,
                  {"1 lobe, 1 or 2 pick-up", "Short gap between lobes (inserted lobe)", "Wide lobe",
                   "Long gap between lobes (missing lobe)", "2 pick-ups, missing lobe",
                   "2 Short gaps between lobes (inserted lobe)"},
                  20);
    bike.synchro->setGeometry(kChannelX, kSynchroRowY, kChannelWidth, 22);

    const int y = kBelowSynchro; // rows below the method list
    bike.lobeCount.field = MakeSpinField(controls, "PocPalcu", special, kSmallEditWidth);
    PlaceSpinField(bike.lobeCount.field, 10, y + 52);
    bike.lobeCount.label = MakeLabel("LabelPocPalcu", "Number of lobes", special);
    bike.lobeCount.label->setGeometry(65, y + 55, 200, 14);
    bike.outputCount.field = MakeSpinField(controls, "PocKanalu", special, kSmallEditWidth);
    PlaceSpinField(bike.outputCount.field, 10, y + 78);
    bike.outputCount.label = MakeLabel("LabelPocKanalu", "Number of outputs (coils)", special);
    bike.outputCount.label->setGeometry(65, y + 81, 200, 14);

    const int headingY = y + 106;
    const struct {
        const char* name;
        const char* text;
        QLabel** label;
    } headings[] = {{"LabelLobe", "Lobe", &bike.lobeHeading},
                    {"LabelHrana2", "2nd Edge", &bike.edgeHeading},
                    {"LabelSnimac2", "2nd Pick-up", &bike.pickupHeading}};
    for (int c = 0; c < 3; ++c) {
        QLabel* heading = MakeLabel(headings[c].name, headings[c].text, special);
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(kChannelX + kColumnCentre[c] - kHeadingWidth / 2, headingY,
                             kHeadingWidth, 14);
        *headings[c].label = heading;
    }
    BuildChannel(special, 1, y + 122, controls)->setEnabled(false);
    BuildChannel(special, 2, y + 196, controls);

    bike.lobesPerTurn = MakeCombo("ComboBoxNasobekPalcu", special,
                                  {"1 lobe per revolution", "2 lobe per revolution",
                                   "3 lobe per revolution", "1 lobe per 2  revolution (CMPS)"},
                                  30);
    bike.lobesPerTurn->setGeometry(10, y + 274, 220, 22);

    // Shown in the developer test mode only.
    bike.compensationLabel = MakeLabel("LabelKompenz", "Compensation ", special);
    bike.compensationLabel->setGeometry(10, y + 309, 90, 14);
    bike.compensation[0] = MakeSpinField(controls, "Kompenz1", special, kSmallEditWidth);
    PlaceSpinField(bike.compensation[0], 100, y + 306);
    bike.compensation[1] = MakeSpinField(controls, "Kompenz2", special, kSmallEditWidth);
    PlaceSpinField(bike.compensation[1], 160, y + 306);
    return special;
}

QLayout* BuildLeftPart(QWidget* page, FormControls& controls) {
    BikePage& bike = controls.bike;
    auto* tacho = new QGroupBox("Tachometer output", page);
    tacho->setObjectName("GroupBoxRpm");
    auto* grid = new QGridLayout(tacho);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    bike.tachoPulses = MakeSpinField(controls, "RpmPulsu", tacho, kEditWidth);
    grid->addLayout(SpinRow(bike.tachoPulses), 0, 0, Qt::AlignLeft);
    grid->addWidget(MakeLabel("LabelRpmPulsu", "Pulses per revolution", tacho), 0, 1);
    bike.tachoCorrection = MakeSpinField(controls, "RpmKorekce", tacho, kEditWidth);
    grid->addLayout(SpinRow(bike.tachoCorrection), 1, 0, Qt::AlignLeft);
    grid->addWidget(MakeLabel("LabelRpmKorekce", "Correction [%]", tacho), 1, 1);
    grid->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addWidget(tacho);
    left->addSpacing(6);
    for (int pickup = 1; pickup <= 2; ++pickup) {
        QCheckBox* box =
            MakeCheckBox(controls, qPrintable(QString("CheckBoxInvInput%1").arg(pickup)),
                         QString("Inverse polarity of pick-up %1").arg(pickup), page);
        left->addWidget(box);
        bike.invertPickup[size_t(pickup - 1)] = box;
    }
    KeepPlaceWhenHidden(bike.invertPickup[1]);
    left->addSpacing(10);
    const char* const hints[] = {"Version of program in ignition", "Date of program in ignition",
                                 "Time of program in ignition"};
    for (int i = 0; i < 3; ++i) {
        QLabel* version = MakeLabel(qPrintable(QString("LabelVerze%1").arg(i + 1)), "", page);
        version->setMinimumSize(180, 14); // reachable for its tooltip before the unit has answered
        SetHint(version, hints[i]);
        left->addWidget(version);
        bike.unitVersion[size_t(i)] = version;
    }
    left->addStretch();
    return left;
}

} // namespace

QWidget* BuildPageBike(QTabWidget* pages, FormControls& controls) {
    BikePage& bike = controls.bike;
    auto* page = new QWidget(pages);
    page->setObjectName("TabSheetBike");

    auto* bikeRow = new QVBoxLayout;
    bikeRow->setSpacing(4);
    QLabel* bikeLabel = MakeLabel("LabelBike", "Motorbike type", page);
    QComboBox* bikeList = MakeCombo(
        "ComboBoxBike", page,
        {"Classic (1 lobe, 1 or 2 pick-up) ", "Standard  (2 lobe  per revol., 1 or 2 pick-up) ",
         "Standard  (3 lobe  per revol., 1 pick-up) ",
         "Standard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) ", "Special setting"},
        40);
    bikeLabel->setBuddy(bikeList); // a caption's "&" then marks an accelerator, not a character
    bikeRow->addWidget(bikeLabel);
    bikeRow->addWidget(bikeList, 0, Qt::AlignLeft);
    bike.bike = bikeList;

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(BuildLeftPart(page, controls), 1);
    middle->addWidget(BuildSpecial(page, controls), 0, Qt::AlignTop);

    auto* file = new QHBoxLayout;
    file->setSpacing(6);
    file->addWidget(MakeLabel("LabelFile1", "File:", page));
    bike.file = new FittingLabel("----------", page, FittingLabel::Elide::Folders);
    bike.file->setObjectName("LabelFile2");
    file->addWidget(bike.file, 1);
    bike.programCount = MakeLabel("LabelPocetProgramovani", "Number of Programing= ---", page);
    KeepPlaceWhenHidden(bike.programCount);
    bike.programCount->hide();
    file->addWidget(bike.programCount);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addLayout(bikeRow);
    layout->addLayout(middle);
    layout->addStretch();
    layout->addLayout(file);
    return page;
}

} // namespace kx
