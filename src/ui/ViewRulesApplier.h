#pragma once

#include "config/ViewRules.h"

#include <optional>
#include <string>
#include <unordered_map>

class QWidget;

namespace kx {

class TFormHlav;

// Puts a computed view state on the window's controls.
class ViewRulesApplier {
  public:
    explicit ViewRulesApplier(TFormHlav& form) : form_(form) {}
    void Apply(const ViewState& state);

  private:
    QWidget* Control(const std::string& name);

    TFormHlav& form_;
    std::unordered_map<std::string, QWidget*> controls_; // looked up once per name
    std::optional<bool> placedBelowAllRows_;             // where map row 9 was last put
};

} // namespace kx
