// Closes the modal message boxes a widget test opens, and keeps their titles, texts and looks.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class MessageBoxCatcher : public QObject {
    Q_OBJECT
public:
    struct Caught {
        QString title;
        QString text;
        bool hasIcon = false;
        int buttonCount = 0;
        bool okOnly = false;
    };

    MessageBoxCatcher();
    std::vector<Caught> caught;

private:
    void poll();
    QTimer timer_;
};
