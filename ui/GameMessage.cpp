// The game's message box, its lines and its width.
#include "GameMessage.h"

#include <QGridLayout>
#include <QMessageBox>

QString MessageLines(const QString& text)
{
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            const QChar pair = c == u'\r' ? u'\n' : u'\r';
            if (i + 1 < text.size() && text[i + 1] == pair)
                ++i;
            lines += u'\n';
        } else {
            lines += c;
        }
    }
    return lines;
}

void ShowGameMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quadrivello1"), MessageLines(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // Wide enough for the window manager to show the whole title above a short message.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(240, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}
