// Closes the game's message boxes as they show, and keeps what they said and how they looked.
#pragma once

#include <QApplication>
#include <QMessageBox>

#include <functional>
#include <vector>

class MessageBoxCatcher : public QObject {
public:
    struct Caught {
        QString title, text;
        bool plain = false;  // no icon and the OK button only
    };
    std::vector<Caught> caught;
    std::function<void()> onShow;  // runs as each box shows, to look at what is behind it

    MessageBoxCatcher() { qApp->installEventFilter(this); }
    ~MessageBoxCatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            if (onShow)
                onShow();
            caught.push_back(
                {box->windowTitle(), box->text(),
                 box->buttons() == QList{box->button(QMessageBox::Ok)} && box->icon() == QMessageBox::NoIcon});
            QMetaObject::invokeMethod(
                box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
        }
        return false;
    }
};
