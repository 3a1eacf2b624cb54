#include "link/MonitorTelegram.h"
#include "present/LinkPresenter.h"
#include "texts/MessageTexts.h"

#include <QRandomGenerator>
#include <QtTest>

#include <array>
#include <string>
#include <vector>

using namespace kx;

using LabelMember = LabelState MonitorDisplay::*;
Q_DECLARE_METATYPE(LabelMember)
Q_DECLARE_METATYPE(Colour)

namespace {

// A telegram written byte by byte at the unit's offsets, independent of the encoder under test.
struct RawTelegram {
    std::array<uint8_t, 102> bytes{};

    RawTelegram() {
        bytes[0] = 0xB0;
        set16(5, 12500); // a normal supply
        bytes[100] = 50; // matching version
        bytes[65] = 1;   // servo fine
    }
    RawTelegram& set8(int offset, int value) {
        bytes[offset] = uint8_t(value);
        return *this;
    }
    RawTelegram& set16(int offset, int value) {
        bytes[offset] = uint8_t(value & 0xFF);
        bytes[offset + 1] = uint8_t(value >> 8);
        return *this;
    }
    // The unit's check byte: 0xFF XOR every byte, the check byte included, gives 0.
    const uint8_t* sealed() {
        uint8_t sum = 0xFF;
        for (int i = 0; i < 101; ++i) {
            sum ^= bytes[i];
        }
        bytes[101] = sum;
        return bytes.data();
    }
};

ConfigBlock TestBlock() {
    ConfigBlock block{};
    block.bike = 2;
    block.lobeCount = 1;
    block.noIgnitionRevs = 3;
    block.limiter = 120;
    return block;
}

MessageTexts Texts(uint8_t language = 0) {
    MessageTexts texts;
    LoadMessageTexts(texts, language);
    return texts;
}

// The decoder's values and states, and the panel the presenter makes of them.
struct Decoded {
    bool accepted = false;
    LiveValues live;
    MonitorState state;
    MonitorDisplay display;
};

// Decodes over what d holds, as the window does telegram after telegram.
bool DecodeInto(Decoded& d, const uint8_t* frame, const ConfigBlock& block = TestBlock(),
                const MessageTexts& texts = Texts(), bool servoVisible = true) {
    d.accepted = DecodeMonitorTelegram(frame, block, servoVisible, d.live, d.state);
    d.display = PresentMonitor(d.live, d.state, texts);
    return d.accepted;
}

Decoded Decode(const uint8_t* frame, const ConfigBlock& block = TestBlock(),
               const MessageTexts& texts = Texts(), bool servoVisible = true) {
    Decoded d;
    DecodeInto(d, frame, block, texts, servoVisible);
    return d;
}

const QString kDeg = QStringLiteral("\u00B0");

QString Caption(const LabelState& label) {
    return QString::fromStdString(label.caption);
}

using D = MonitorDisplay;
const LabelMember kLabels[] = {&D::LabelRpm,
                               &D::LabelNapeti,
                               &D::LabelBlocking1,
                               &D::LabelAdvance1,
                               &D::LabelAdvance2,
                               &D::LabelMonPilotLight,
                               &D::LabelMonSnimac1,
                               &D::LabelMonSnimac2,
                               &D::LabelTpsMon,
                               &D::LabelPriveraPoz,
                               &D::LabelPriveraMer,
                               &D::LabelVersion,
                               &D::LabelPocetProgramovani,
                               &D::LabelMonInput1In,
                               &D::LabelMonInput2In,
                               &D::LabelClutchMon,
                               &D::LabelMonStartLimiterOut,
                               &D::LabelMonRetard,
                               &D::LabelKillSwitch};

// A panel where every control shows something: the bike type with a line per output, every flag
// on, an old unit version.
Decoded EverythingShown() {
    ConfigBlock block = TestBlock();
    block.bike = 1;
    RawTelegram raw;
    raw.set16(1, 6000).set16(3, 700).set16(5, 9000).set16(7, 300).set16(9, 400).set16(11, 12);
    for (int offset = 37; offset <= 42; ++offset) {
        raw.set8(offset, 1);
    }
    raw.set8(41, 60).set8(50, 130).set8(51, 125).set16(54, 30).set8(62, 1).set8(63, 1);
    raw.set8(66, 1).set8(67, 1).set16(95, 200).set8(99, 1).set8(100, 49).set16(13, 77);
    Decoded d;
    DecodeInto(d, raw.sealed(), block);
    return d;
}

bool SamePanel(const MonitorDisplay& a, const MonitorDisplay& b) {
    for (LabelMember label : kLabels) {
        if (a.*label != b.*label) {
            return false;
        }
    }
    for (int i = 0; i < 8; ++i) {
        if (a.LabelTest[i] != b.LabelTest[i]) {
            return false;
        }
    }
    return a.CGaugeRpm == b.CGaugeRpm && a.CGaugeTps == b.CGaugeTps &&
           a.servoLabelsVisible == b.servoLabelsVisible && a.versionVisible == b.versionVisible &&
           a.eeDataErrorVisible == b.eeDataErrorVisible;
}

std::vector<int> Fields(const MonitorTelegram& t) {
    std::vector<int> v = {
        t.rpm,          t.tpsRaw,           t.supplyMv,     t.servoMeasuredRaw,   t.servoDesiredRaw,
        t.programCount, t.killSwitchActive, t.retardActive, t.startLimiterActive, t.clutchActive,
        t.tpsPercent,   t.pilotLightOn,     t.rpmAlarm,     t.motorOff,           t.rpmWarning,
        t.servoOk,      t.saveCountdown,    t.eepromError,  t.unitVersion};
    v.insert(v.end(), std::begin(t.testValue), std::end(t.testValue));
    for (int k = 0; k < 2; ++k) {
        v.insert(v.end(), {t.pickupRevs[k], t.pickupPulses[k], t.pickupRunning[k],
                           t.outputAdvance[k], t.advanceLimit[k], t.inputGrounded[k]});
    }
    return v;
}

} // namespace

class TestMonitorTelegram : public QObject {
    Q_OBJECT

  private slots:

    void rejectedTelegramChangesNothing_data() {
        QTest::addColumn<bool>("wrongMarker");
        QTest::newRow("check byte off by one bit") << false;
        QTest::newRow("other answer, check byte right") << true;
    }

    void rejectedTelegramChangesNothing() {
        QFETCH(bool, wrongMarker);
        RawTelegram raw;
        raw.set16(1, 9000).set8(41, 50).set16(95, 12).set8(37, 1);
        raw.sealed();
        if (wrongMarker) {
            raw.set8(0, 0xB1).sealed();
        } else {
            raw.bytes[101] ^= 0x01;
        }

        QVERIFY(!IsValidMonitorTelegram(raw.bytes.data()));
        const Decoded before = EverythingShown();
        Decoded d = before;
        QVERIFY(!DecodeInto(d, raw.bytes.data(), TestBlock(), Texts(), false));
        QVERIFY(SamePanel(d.display, before.display));
        const LiveValues& live = d.live;
        const LiveValues& liveBefore = before.live;
        QCOMPARE(live.liveRpm, liveBefore.liveRpm);
        QCOMPARE(live.liveTpsPercent, liveBefore.liveTpsPercent);
        QCOMPARE(live.liveTpsMv, liveBefore.liveTpsMv);
        QCOMPARE(live.saveCountdown, liveBefore.saveCountdown);
    }

    void voltage_data() {
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("normal") << 12345 << "U = 12.3 [V]" << Colour::ButtonFace;
        QTest::newRow("low edge") << 11000 << "U = 11.0 [V]" << Colour::Yellow;
        QTest::newRow("just above low edge") << 11001 << "U = 11.0 [V]" << Colour::ButtonFace;
        QTest::newRow("just below high edge") << 14998 << "U = 15.0 [V]" << Colour::ButtonFace;
        QTest::newRow("high edge") << 14999 << "U = 15.0 [V]" << Colour::Yellow;
        QTest::newRow("very low edge") << 7000 << "U =  7.0 [V]" << Colour::Red;
        QTest::newRow("just above very low") << 7001 << "U =  7.0 [V]" << Colour::Yellow;
        QTest::newRow("below 10 V padded") << 9500 << "U =  9.5 [V]" << Colour::Yellow;
        QTest::newRow("just below very high") << 17998 << "U = 18.0 [V]" << Colour::Yellow;
        QTest::newRow("very high edge") << 17999 << "U = 18.0 [V]" << Colour::Red;
        QTest::newRow("nothing") << 0 << "U =  0.0 [V]" << Colour::Red;
        QTest::newRow("above 16 bits' high byte") << 40000 << "U = 40.0 [V]" << Colour::Red;
    }

    void voltage() {
        QFETCH(int, millivolts);
        QFETCH(QString, caption);
        QFETCH(Colour, colour);
        RawTelegram raw;
        const Decoded d = Decode(raw.set16(5, millivolts).sealed());
        QCOMPARE(Caption(d.display.LabelNapeti), caption);
        QCOMPARE(d.display.LabelNapeti.colour, colour);
    }

    void rpm_data() {
        QTest::addColumn<int>("limiter");
        QTest::addColumn<int>("rpm");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<int>("warning");
        QTest::addColumn<int>("gauge");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("half the limit") << 120 << 6000 << 0 << 0 << 50 << Colour::ButtonFace;
        QTest::newRow("truncated") << 120 << 11999 << 0 << 0 << 99 << Colour::ButtonFace;
        QTest::newRow("above limit clamps") << 120 << 13000 << 0 << 0 << 100 << Colour::ButtonFace;
        QTest::newRow("no limiter divides by 100")
            << 0 << 5000 << 0 << 0 << 50 << Colour::ButtonFace;
        QTest::newRow("no limiter clamps") << 0 << 65535 << 0 << 0 << 100 << Colour::ButtonFace;
        QTest::newRow("warning") << 120 << 600 << 0 << 1 << 5 << Colour::Yellow;
        QTest::newRow("alarm") << 120 << 600 << 0x80 << 0 << 5 << Colour::Red;
        QTest::newRow("alarm beats warning") << 120 << 600 << 1 << 1 << 5 << Colour::Red;
    }

    void rpm() {
        QFETCH(int, limiter);
        QFETCH(int, rpm);
        QFETCH(int, alarm);
        QFETCH(int, warning);
        QFETCH(int, gauge);
        QFETCH(Colour, colour);
        ConfigBlock block = TestBlock();
        block.limiter = uint8_t(limiter);
        RawTelegram raw;
        raw.set16(1, rpm).set8(62, alarm).set8(64, warning);
        const Decoded d = Decode(raw.sealed(), block);
        QCOMPARE(int(d.live.liveRpm), rpm);
        QCOMPARE(d.display.CGaugeRpm, gauge);
        QCOMPARE(Caption(d.display.LabelRpm), "RPM = " + QString::number(rpm) + " ");
        QCOMPARE(d.display.LabelRpm.colour, colour);
    }

    void throttle_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("tpsMapa");
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<int>("gauge");
        QTest::newRow("full") << 100 << 1023 << true << 5000 << "TP= 100 [%]= 5000 [mV]"
                              << Colour::ButtonFace << 100;
        QTest::newRow("closed") << 0 << 0 << true << 0 << "TP= 0 [%]= 0 [mV]" << Colour::ButtonFace
                                << 0;
        QTest::newRow("truncated, not rounded")
            << 50 << 512 << false << 2502 << "TP= 50 [%]= 2502 [mV]" << Colour::ButtonFace << 50;
        QTest::newRow("one count")
            << 0 << 1 << false << 4 << "TP= 0 [%]= 4 [mV]" << Colour::ButtonFace << 0;
        QTest::newRow("error, map uses throttle")
            << 101 << 300 << true << 1466 << "TP=error = 1466 [mV]" << Colour::Red << 0;
        QTest::newRow("error, map ignores throttle")
            << 255 << 300 << false << 1466 << "TP=error = 1466 [mV]" << Colour::ButtonFace << 0;
        QTest::newRow("count beyond the converter does not wrap")
            << 255 << 13500 << false << 65535 << "TP=error = 65535 [mV]" << Colour::ButtonFace << 0;
    }

    void throttle() {
        QFETCH(int, percent);
        QFETCH(int, raw);
        QFETCH(bool, tpsMapa);
        QFETCH(int, millivolts);
        QFETCH(QString, caption);
        QFETCH(Colour, colour);
        QFETCH(int, gauge);
        ConfigBlock block = TestBlock();
        block.tpsMapa = tpsMapa;
        RawTelegram telegram;
        const Decoded d = Decode(telegram.set8(41, percent).set16(3, raw).sealed(), block);
        QCOMPARE(int(d.live.liveTpsPercent), percent);
        QCOMPARE(int(d.live.liveTpsMv), millivolts);
        QCOMPARE(Caption(d.display.LabelTpsMon), caption);
        QCOMPARE(d.display.LabelTpsMon.colour, colour);
        QCOMPARE(d.display.CGaugeTps, gauge);
    }

    void singleAdvance_data() {
        QTest::addColumn<int>("bike");
        QTest::addColumn<int>("out1");
        QTest::addColumn<int>("out2");
        QTest::addColumn<int>("limit1");
        QTest::addColumn<int>("limit2");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Colour>("colour");
        const QString d = " [" + kDeg + "]";
        QTest::newRow("limit only on output 2")
            << 2 << 130 << 100 << 0 << 35 << "Advance = 30" + d + " /max 35" + d
            << Colour::ButtonFace;
        QTest::newRow("smaller limit wins")
            << 2 << 130 << 125 << 40 << 35 << "Advance = 30" + d + " /max 35" + d
            << Colour::ButtonFace;
        QTest::newRow("no limit") << 0 << 130 << 125 << 0 << 0 << "Advance = 30" + d
                                  << Colour::ButtonFace;
        QTest::newRow("larger output wins")
            << 2 << 110 << 125 << 0 << 0 << "Advance = 25" + d << Colour::ButtonFace;
        QTest::newRow("retarded outputs show 0")
            << 2 << 95 << 90 << 0 << 0 << "Advance = 0" + d << Colour::ButtonFace;
        QTest::newRow("at the limit")
            << 0 << 135 << 100 << 35 << 0 << "Advance = 35" + d + " /max 35" + d << Colour::Yellow;
        QTest::newRow("no limit never warns")
            << 2 << 160 << 160 << 0 << 0 << "Advance = 60" + d << Colour::ButtonFace;
        QTest::newRow("16-bit limit") << 3 << 140 << 100 << 300 << 0
                                      << "Advance = 40" + d + " /max 300" + d << Colour::ButtonFace;
    }

    void singleAdvance() {
        QFETCH(int, bike);
        QFETCH(int, out1);
        QFETCH(int, out2);
        QFETCH(int, limit1);
        QFETCH(int, limit2);
        QFETCH(QString, caption);
        QFETCH(Colour, colour);
        RawTelegram raw;
        raw.set8(50, out1).set8(51, out2).set16(54, limit1).set16(56, limit2);
        // Line 2 keeps what the bike type with a line per output last put there.
        Decoded d = EverythingShown();
        ConfigBlock block = TestBlock();
        block.bike = uint8_t(bike);
        QVERIFY(DecodeInto(d, raw.sealed(), block));
        QCOMPARE(Caption(d.display.LabelAdvance1), caption);
        QCOMPARE(d.display.LabelAdvance1.colour, colour);
        QCOMPARE(d.display.LabelAdvance2, EverythingShown().display.LabelAdvance2);
    }

    void dualAdvance() {
        ConfigBlock block = TestBlock();
        block.bike = 1;
        RawTelegram raw;
        raw.set8(50, 130).set8(51, 95).set16(54, 30).set16(56, 0);
        Decoded d = Decode(raw.sealed(), block);
        QCOMPARE(Caption(d.display.LabelAdvance1),
                 "Advance 1 = 30 [" + kDeg + "] /max 30 [" + kDeg + "]");
        QCOMPARE(d.display.LabelAdvance1.colour, Colour::Yellow);
        QCOMPARE(Caption(d.display.LabelAdvance2), "Advance 2 = -5 [" + kDeg + "]");
        QCOMPARE(d.display.LabelAdvance2.colour, Colour::ButtonFace);

        raw.set16(54, 0).set16(56, 258);
        d = Decode(raw.sealed(), block, Texts(1));
        QCOMPARE(Caption(d.display.LabelAdvance1), "Vorzündung 1 = 30 [" + kDeg + "]");
        QCOMPARE(Caption(d.display.LabelAdvance2),
                 "Vorzündung 2 = -5 [" + kDeg + "] /max 258 [" + kDeg + "]");
        QCOMPARE(d.display.LabelAdvance2.colour, Colour::ButtonFace);
    }

    void pickupFault_data() {
        QTest::addColumn<int>("bike");
        QTest::addColumn<int>("revs");   // N
        QTest::addColumn<int>("lobes");  // L
        QTest::addColumn<int>("pickup"); // which pick-up reports
        QTest::addColumn<int>("seenRevs");
        QTest::addColumn<int>("pulses");
        QTest::addColumn<bool>("fault");
        QTest::newRow("pick-up 1 too many pulses") << 2 << 3 << 2 << 0 << 2 << 7 << true;
        QTest::newRow("pick-up 2 too many pulses") << 2 << 3 << 2 << 1 << 2 << 7 << true;
        QTest::newRow("two outputs, both flagged") << 1 << 3 << 2 << 1 << 0 << 255 << true;
        QTest::newRow("enough revolutions") << 2 << 3 << 2 << 0 << 3 << 7 << false;
        QTest::newRow("pulses equal N*L") << 2 << 3 << 2 << 0 << 2 << 6 << false;
        QTest::newRow("N*L above a byte") << 2 << 20 << 20 << 0 << 0 << 255 << false;
        QTest::newRow("two outputs, no fault") << 1 << 20 << 20 << 1 << 0 << 255 << false;
    }

    void pickupFault() {
        QFETCH(int, bike);
        QFETCH(int, revs);
        QFETCH(int, lobes);
        QFETCH(int, pickup);
        QFETCH(int, seenRevs);
        QFETCH(int, pulses);
        QFETCH(bool, fault);
        ConfigBlock block = TestBlock();
        block.bike = uint8_t(bike);
        block.noIgnitionRevs = uint8_t(revs);
        block.lobeCount = uint8_t(lobes);
        RawTelegram raw;
        // The other pick-up has seen plenty of revolutions and never faults.
        raw.set8(44, 255).set8(45, 255).set8(44 + pickup, seenRevs).set8(46 + pickup, pulses);
        raw.set8(50, 120).set8(51, 120);
        const MessageTexts texts = Texts();
        const Decoded d = Decode(raw.sealed(), block, texts);
        const LabelState error{texts.MsgPickupError, Colour::Red};
        QCOMPARE(d.display.LabelAdvance1 == error, fault);
        if (bike == 1) {
            QCOMPARE(d.display.LabelAdvance2 == error, fault);
        }
        if (!fault) {
            QVERIFY(Caption(d.display.LabelAdvance1).contains("= 20 ["));
        }
    }

    void version() {
        RawTelegram raw;
        QVERIFY(!Decode(raw.set8(100, 50).sealed()).display.versionVisible);
        const Decoded d = Decode(raw.set8(100, 49).sealed());
        QVERIFY(d.display.versionVisible);
        QCOMPARE(Caption(d.display.LabelVersion),
                 QString("Unmatched version of PC and Ignition programs!  PC-50, IGN-49"));
        QCOMPARE(d.display.LabelVersion.colour, Colour::Red);

        // Hidden again, the label keeps the version it last showed.
        Decoded later = d;
        QVERIFY(DecodeInto(later, raw.set8(100, 50).sealed()));
        QVERIFY(!later.display.versionVisible);
        QCOMPARE(later.display.LabelVersion, d.display.LabelVersion);
    }

    void flagLabels_data() {
        QTest::addColumn<LabelMember>("label");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("onCaption");
        QTest::addColumn<QString>("offCaption");
        QTest::addColumn<Colour>("onColour");
        auto row = [](const char* name, LabelMember label, int offset, int language, const char* on,
                      const char* off, Colour colour) {
            QTest::newRow(name) << label << offset << language << QString(on) << QString(off)
                                << colour;
        };
        row("kill switch", &D::LabelKillSwitch, 37, 0, "Kill switch - YES", "Kill switch - NO",
            Colour::Red);
        row("retard", &D::LabelMonRetard, 38, 0, "Retard - YES", "Retard - NO", Colour::Aqua);
        row("start limiter", &D::LabelMonStartLimiterOut, 39, 0, "Start limiter: YES",
            "Start limiter: NO", Colour::Fuchsia);
        row("clutch", &D::LabelClutchMon, 40, 0, "Clutch master - YES", "Clutch master - NO",
            Colour::Lime);
        row("pilot light", &D::LabelMonPilotLight, 42, 0, "Gear Shift Light - YES",
            "Gear Shift Light - NO", Colour::Yellow);
        row("pick-up 1", &D::LabelMonSnimac1, 48, 0, "Pick-up (CKPS) 1 - is running",
            "Pick-up (CKPS) 1 - no signal", Colour::Lime);
        row("pick-up 2", &D::LabelMonSnimac2, 49, 0, "Pick-up (CKPS) 2 - is running",
            "Pick-up (CKPS) 2 - no signal", Colour::Lime);
        row("motor off", &D::LabelBlocking1, 63, 0, "Motor off - YES", "Motor off - NO",
            Colour::Red);
        row("input 1", &D::LabelMonInput1In, 66, 0, "Input 1: grounded", "Input 1: Open",
            Colour::Fuchsia);
        row("input 2", &D::LabelMonInput2In, 67, 0, "Input 2: grounded", "Input 2: Open",
            Colour::Aqua);
        row("German kill switch", &D::LabelKillSwitch, 37, 1, "Not Aus - JA", "Not Aus - NEIN",
            Colour::Red);
        row("German input 1", &D::LabelMonInput1In, 66, 1, "Eingang 1: zugrund", "Eingang 1: offen",
            Colour::Fuchsia);
        row("German pick-up 2", &D::LabelMonSnimac2, 49, 1, "Geber(CKPS) 2 - läuft",
            "Geber(CKPS) 2 -  kein Signal", Colour::Lime);
    }

    void flagLabels() {
        QFETCH(LabelMember, label);
        QFETCH(int, offset);
        QFETCH(int, language);
        QFETCH(QString, onCaption);
        QFETCH(QString, offCaption);
        QFETCH(Colour, onColour);
        const MessageTexts texts = Texts(uint8_t(language));

        RawTelegram raw;
        const LabelState off = Decode(raw.sealed(), TestBlock(), texts).display.*label;
        QCOMPARE(Caption(off), offCaption);
        QCOMPARE(off.colour, Colour::ButtonFace);

        // Any non-zero byte means on.
        const LabelState on =
            Decode(raw.set8(offset, 0x40).sealed(), TestBlock(), texts).display.*label;
        QCOMPARE(Caption(on), onCaption);
        QCOMPARE(on.colour, onColour);
    }

    void servo_data() {
        QTest::addColumn<bool>("groupVisible");
        QTest::addColumn<int>("ok");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("shown, fine") << true << 1 << Colour::ButtonFace;
        QTest::newRow("hidden, fine") << false << 1 << Colour::ButtonFace;
        QTest::newRow("shown, fault") << true << 0 << Colour::Red;
    }

    void servo() {
        QFETCH(bool, groupVisible);
        QFETCH(int, ok);
        QFETCH(Colour, colour);
        RawTelegram raw;
        raw.set16(7, 1023).set16(9, 512).set8(65, ok);
        const Decoded d = Decode(raw.sealed(), TestBlock(), Texts(), groupVisible);
        QCOMPARE(d.display.servoLabelsVisible, groupVisible);
        QCOMPARE(d.display.LabelPriveraPoz, (LabelState{"Servo desired= 2502 [mV]", colour}));
        QCOMPARE(d.display.LabelPriveraMer, (LabelState{"Servo measured= 5000 [mV]", colour}));
    }

    void countersAndTestValues() {
        RawTelegram raw;
        raw.set16(11, 1234).set16(95, 414).set8(99, 1);
        for (int i = 0; i < 8; ++i) {
            raw.set16(13 + 2 * i, 1000 * i + 7);
        }
        raw.set16(27, 65535);
        Decoded d = Decode(raw.sealed());
        QCOMPARE(Caption(d.display.LabelPocetProgramovani), QString("Number of Programing= 1234"));
        QCOMPARE(d.live.saveCountdown, uint16_t(414));
        QVERIFY(d.display.eeDataErrorVisible);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(Caption(d.display.LabelTest[i]),
                     "Test" + QString::number(i + 1) + " = " + QString::number(1000 * i + 7) + " ");
            QCOMPARE(d.display.LabelTest[i].colour, Colour::ButtonFace);
        }
        QCOMPARE(Caption(d.display.LabelTest[7]), QString("Test8 = 65535 "));

        d = Decode(raw.set8(99, 0).set16(95, 0).sealed(), TestBlock(), Texts(1));
        QVERIFY(!d.display.eeDataErrorVisible);
        QCOMPARE(d.live.saveCountdown, uint16_t(0));
        QCOMPARE(Caption(d.display.LabelPocetProgramovani), QString("Programmierungsanzahl= 1234"));
    }

    void onlyFirstTelegramOfBufferIsRead() {
        RawTelegram first;
        first.set16(1, 4321).sealed();
        std::vector<uint8_t> buffer(first.bytes.begin(), first.bytes.end());
        // A second, different telegram plus a stray byte: any look past byte 101 breaks the check.
        RawTelegram second;
        second.set16(1, 1111).sealed();
        buffer.insert(buffer.end(), second.bytes.begin(), second.bytes.end());
        buffer[150] ^= 0x5A;
        QCOMPARE(buffer.size(), size_t(204));

        const Decoded d = Decode(buffer.data());
        QVERIFY(d.accepted);
        QCOMPARE(d.live.liveRpm, uint16_t(4321));
    }

    void roundTrip() {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 200; ++round) {
            // Parsing random bytes gives random values in every field, flags included.
            std::array<uint8_t, 102> bytes;
            for (uint8_t& byte : bytes) {
                byte = uint8_t(random.bounded(256));
            }
            const MonitorTelegram t = ParseMonitorTelegram(bytes.data());

            const Frame frame = EncodeMonitorTelegram(t);
            QVERIFY(IsValidMonitorTelegram(frame.data()));
            QCOMPARE(Fields(ParseMonitorTelegram(frame.data())), Fields(t));
        }
    }
};

QTEST_APPLESS_MAIN(TestMonitorTelegram)

#include "test_monitor_telegram.moc"
