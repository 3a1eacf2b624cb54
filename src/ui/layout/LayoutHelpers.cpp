#include "ui/layout/LayoutHelpers.h"

#include "config/EditorFields.h"
#include "ui/widgets/MouseCheckBox.h"
#include "ui/widgets/UpDown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <stdexcept>

namespace kx {

namespace {

size_t SpinFieldNamed(const char* name) {
    const std::vector<SpinFieldSpec>& fields = SpinFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name)
            return i;
    }
    throw std::logic_error(std::string("no spin field ") + name);
}

std::optional<size_t> CheckFieldNamed(const char* name) {
    const std::vector<CheckFieldSpec>& fields = CheckFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name)
            return i;
    }
    return std::nullopt;
}

} // namespace

SpinField MakeSpinField(FormControls& controls, const char* name, QWidget* parent, int editWidth) {
    const size_t index = SpinFieldNamed(name);
    const SpinFieldSpec& field = SpinFields()[index];
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromStdString(field.editName()));
    edit->setFixedSize(editWidth, kFieldHeight);
    auto* upDown = new UpDown(parent);
    upDown->setObjectName(QString::fromStdString(field.upDownName()));
    upDown->setRange(field.minimum, field.maximum);
    upDown->setIncrement(field.increment);
    upDown->setThousands(field.thousands());
    upDown->setAssociate(edit);
    upDown->setPosition(field.start);
    KeepPlaceWhenHidden(upDown);
    controls.spinFields.resize(SpinFields().size());
    controls.spinFields[index] = {edit, upDown};
    return {edit, upDown};
}

QBoxLayout* SpinRow(const SpinField& field) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(field.edit);
    row->addWidget(field.upDown);
    return row;
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QCheckBox* MakeCheckBox(FormControls& controls, const char* name, const QString& text,
                        QWidget* parent, bool mouseBound) {
    const std::optional<size_t> field = CheckFieldNamed(name);
    QCheckBox* box = mouseBound || (field && CheckFields()[*field].mouseBound)
                         ? new MouseCheckBox(text, parent)
                         : new QCheckBox(text, parent);
    box->setObjectName(name);
    if (field) {
        controls.checkFields.resize(CheckFields().size());
        controls.checkFields[*field] = box;
    }
    return box;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

void SetPixelFont(QWidget* widget, int pixels, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace kx
