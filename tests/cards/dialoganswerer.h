#pragma once

// Answers the dialogs of the card commands as a user does: the label question, the file dialog,
// the print dialog and a message box, each from its own event loop once it shows.

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace velantra::test
{

class DialogAnswerer : public QObject
{
public:
    DialogAnswerer() { qApp->installEventFilter(this); }
    ~DialogAnswerer() override { qApp->removeEventFilter(this); }

    QString label;       // typed in answer to the label question
    QString file;        // chosen in the file dialog
    bool cancel = false; // cancels the label question and the print dialog instead
    QStringList seen;    // the class and title of each dialog answered, then a message's text

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal()) {
            QTimer::singleShot(0, this, [this, dialog = QPointer<QDialog>(dialog)] {
                if (dialog)
                    answer(dialog);
            });
        }
        return false;
    }

private:
    void answer(QDialog* dialog)
    {
        seen << QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(": ") +
                    dialog->windowTitle();
        if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            input->setTextValue(label);
            cancel ? input->reject() : input->accept();
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(file);
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            seen << box->text();
            box->accept();
        } else {
            dialog->reject();
        }
    }
};

} // namespace velantra::test
