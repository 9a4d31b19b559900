// Polls for the active modal message box, records it and presses its OK button.
#include "MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

MessageBoxCatcher::MessageBoxCatcher()
{
    connect(&timer_, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    timer_.start(10);
}

void MessageBoxCatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    Caught c;
    c.title = box->windowTitle();
    c.text = box->text();
    c.hasIcon = box->icon() != QMessageBox::NoIcon;
    c.buttonCount = static_cast<int>(box->buttons().size());
    c.okOnly = c.buttonCount == 1 && box->button(QMessageBox::Ok) != nullptr;
    caught.push_back(c);
    box->done(QMessageBox::Ok);
}
