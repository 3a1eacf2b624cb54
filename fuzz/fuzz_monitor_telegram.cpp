// Any 102 bytes as a monitor telegram, decoded against a record and a language taken from the
// rest of the input. Input byte 102, when present, can seal the frame so that the decoder gets
// past its checks. A dropped telegram changes nothing; gauges stay in their ranges.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "link/Frame.h"
#include "link/MonitorTelegram.h"
#include "present/LinkPresenter.h"
#include "texts/MessageTexts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < size_t(kx::kFrameSize))
        return 0;
    // An exact-size heap copy, so any read past the frame is caught.
    auto frame = std::make_unique<uint8_t[]>(kx::kFrameSize);
    std::copy(data, data + kx::kFrameSize, frame.get());
    size_t used = kx::kFrameSize;
    if (size > used) {
        const uint8_t options = data[used++];
        if (options & 1) {
            frame[0] = kx::kMonitorAnswer;
            frame[kx::kFrameSize - 1] = kx::CheckByteFor(frame.get());
        }
    }
    kx::ConfigBlock block{};
    const size_t recordBytes = std::min(size - used, size_t(kx::kRecordSize));
    std::copy(data + used, data + used + recordBytes, block.bytes());
    kx::MessageTexts texts;
    kx::LoadMessageTexts(texts, uint8_t(size % 4));

    kx::LiveValues live;
    live.liveRpm = 1234;
    kx::MonitorState state;
    const bool servoVisible = size % 2 == 0;
    if (!kx::DecodeMonitorTelegram(frame.get(), block, servoVisible, live, state)) {
        Require(live.liveRpm == 1234 && state.rpmPercent == 0 && !state.advance[0] &&
                    !state.mismatchedVersion,
                "a dropped telegram changed the display");
        return 0;
    }
    Require(state.rpmPercent >= 0 && state.rpmPercent <= 100, "RPM gauge out of range");
    const kx::MonitorDisplay display = kx::PresentMonitor(live, state, texts);
    Require(display.CGaugeRpm == state.rpmPercent, "RPM gauge differs from its state");
    Require(display.CGaugeTps >= 0 && display.CGaugeTps <= 100, "throttle gauge out of range");
    return 0;
}
