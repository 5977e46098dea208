#include "ui/QtDialogs.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Qt sizes a box by its contents and allows 50 pixels beside the title, but a
// window manager writes the title in bold beside an icon and three buttons: a long
// title over a short prompt gets cut ("Partie ...minée" under openbox). The room
// the title bar needs goes into the box's layout, which is what the box sizes
// itself by.
void MakeRoomForTheTitle(QDialog& box)
{
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    auto* room = new QSpacerItem(metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height(), 0);
    box.minimumSizeHint(); // an input dialog makes its layout only then
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(room, grid->rowCount(), 0, 1, grid->columnCount());
    else
        box.layout()->addItem(room);
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
    case Style::YesNoQuestionNo:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    }
    QMessageBox box(icon, Text(title), Text(prompt), buttons, mOwner);
    if (style == Style::YesNoQuestionNo)
        box.setDefaultButton(QMessageBox::No);
    MakeRoomForTheTitle(box);
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
    MakeRoomForTheTitle(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}
