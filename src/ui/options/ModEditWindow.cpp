#include "ui/options/ModEditWindow.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace velkarn {

ModEditWindow::ModEditWindow(QWidget* parent) : QDialog(parent) {
    setUpWindow(this, "modEditWindow", "Edit Mod");
    modNameEdit_ = named(new QLineEdit(this), "modNameEdit");
    modNameEdit_->setMinimumWidth(300);
    modParametersEdit_ = named(new QLineEdit(this), "modParametersEdit");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = named(buttons->button(QDialogButtonBox::Ok), "okButton");
    makeBold(ok);
    ok->setDefault(true);
    named(buttons->button(QDialogButtonBox::Cancel), "cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(namedLabel("&Name", "modNameLabel", this, modNameEdit_), modNameEdit_);
    form->addRow(namedLabel("&Parameters", "modParametersLabel", this, modParametersEdit_),
                 modParametersEdit_);
    form->addRow(buttons);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    rememberPlacementGrowingInWidth(this, 0);
}

std::optional<Mod> ModEditWindow::edit(const Mod& mod) {
    modNameEdit_->setText(local(mod.name));
    modParametersEdit_->setText(local(mod.parameters));
    modNameEdit_->setFocus();
    setResult(QDialog::Rejected); // a window closed by other means than OK changes nothing
    dialogs().runModal(*this);
    if (result() != QDialog::Accepted)
        return std::nullopt;
    return Mod{bytes(modNameEdit_->text()), bytes(modParametersEdit_->text())};
}

} // namespace velkarn
