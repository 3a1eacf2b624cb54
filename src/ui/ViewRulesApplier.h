#pragma once

#include "config/ViewRules.h"
#include "ui/layout/FormControls.h"

#include <optional>

class QWidget;

namespace kx {

// Puts a computed view state on the window's controls.
class ViewRulesApplier {
  public:
    // `window` takes the background; both it and the controls outlive the applier.
    ViewRulesApplier(QWidget& window, const FormControls& controls)
        : window_(window), controls_(controls) {}
    void Apply(const ViewState& state);

  private:
    QWidget* Control(const ViewTarget& target) const;

    QWidget& window_;
    const FormControls& controls_;
    std::optional<bool> placedBelowAllRows_; // where map row 9 was last put
};

} // namespace kx
