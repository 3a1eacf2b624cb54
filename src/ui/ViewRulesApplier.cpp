#include "ui/ViewRulesApplier.h"

#include "ui/FormHlav.h"
#include "ui/layout/FormLayout.h"

namespace kx {

namespace {

void SetBackground(QWidget* widget, Colour colour) {
    const QColor wanted = TFormHlav::ColourOf(colour, widget->palette());
    if (widget->palette().color(QPalette::Window) == wanted)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, wanted);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

} // namespace

QWidget* ViewRulesApplier::Control(const std::string& name) {
    auto found = controls_.find(name);
    if (found == controls_.end())
        found = controls_.emplace(name, form_.control<QWidget>(QString::fromStdString(name))).first;
    return found->second;
}

void ViewRulesApplier::Apply(const ViewState& state) {
    SetBackground(&form_, state.whiteBackground ? Colour::White : Colour::ButtonFace);
    for (const ViewSetting& setting : state.settings) {
        QWidget* control = Control(setting.control);
        if (!control)
            continue;
        switch (setting.property) {
        case ViewProperty::Visible:
            if (control->isHidden() == setting.value)
                control->setVisible(setting.value);
            break;
        case ViewProperty::Enabled:
            if (control->isEnabledTo(control->parentWidget()) != setting.value)
                control->setEnabled(setting.value);
            break;
        case ViewProperty::Alarm:
            SetBackground(control, setting.value ? Colour::Red : Colour::ButtonFace);
            break;
        }
    }
    // Moving the row looks up its twenty controls by name; it moves only when the rule flips.
    if (placedBelowAllRows_ != state.mapRow9BelowAllRows) {
        PlaceMapRow9(&form_, state.mapRow9BelowAllRows);
        placedBelowAllRows_ = state.mapRow9BelowAllRows;
    }
}

} // namespace kx
