#include "ui/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

Dialogs::Answer QtDialogs::MsgBox(const std::string& prompt, Style style, const std::string& title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (style) {
    case Style::OkOnly: break;
    case Style::OkExclamation: icon = QMessageBox::Warning; break;
    case Style::OkInformation: icon = QMessageBox::Information; break;
    case Style::YesNoQuestion:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    }
    QMessageBox box(icon, Text(title), Text(prompt), buttons, mOwner);
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes)
        return Answer::Yes;
    if (pressed == QMessageBox::No)
        return Answer::No;
    return Answer::Ok;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& preset)
{
    QInputDialog dialog(mOwner);
    dialog.setWindowTitle(Text(title));
    dialog.setLabelText(Text(prompt));
    dialog.setTextValue(QString::fromStdString(preset));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}
