// GridView on the real window: captions, colours, states, texts, the grid picture and message boxes.
#include "QtGridView.h"

#include "Form1Window.h"
#include "PictureBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The hidden solution stores keep their text exactly, line ends included, in a property of their own:
// the text widget itself would turn CR LF into paragraph breaks.
const char* const ExactText = "quadrivelloText";

}  // namespace

QWidget* QtGridView::element(LabelArray array, int index) const
{
    return window_.control(ArrayName(array), index);
}

QWidget* QtGridView::single(Control control) const
{
    return window_.control(ControlName(control));
}

void QtGridView::SetCaption(LabelArray array, int index, const std::string& caption)
{
    if (auto* label = qobject_cast<QLabel*>(element(array, index))) {
        label->setText(FromUtf8(caption));
        window_.refreshClueNames(index);
    }
}

void QtGridView::SetVisible(LabelArray array, int index, bool visible)
{
    if (QWidget* widget = element(array, index))
        widget->setVisible(visible);
}

void QtGridView::SetBackColor(LabelArray array, int index, Rgb colour)
{
    if (QWidget* widget = element(array, index))
        window_.setBackColor(widget, colour);
}

void QtGridView::SetBackColor(Control control, Rgb colour)
{
    if (QWidget* widget = single(control))
        window_.setBackColor(widget, colour);
}

void QtGridView::SetEnabled(Control control, bool enabled)
{
    QWidget* widget = single(control);
    if (widget == nullptr)
        return;
    // A control that turns itself off while it has the keyboard focus ("Conferma" pressed with
    // Space) hands the focus to the grid box, which ignores keys: Qt would pass it on to "Genera
    // Definizioni", and a second Space would replace the puzzle unasked.
    if (!enabled && widget->hasFocus())
        window_.picture()->setFocus(Qt::OtherFocusReason);
    widget->setEnabled(enabled);
}

std::string QtGridView::GetText(Control textBox)
{
    QWidget* widget = single(textBox);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text().toStdString();
    if (widget != nullptr)
        return widget->property(ExactText).toString().toStdString();
    return {};
}

void QtGridView::SetText(Control textBox, const std::string& text)
{
    QWidget* widget = single(textBox);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(FromUtf8(text));
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        // Never shown, so the text lives only in the property; laying it out would be wasted work.
        box->setProperty(ExactText, FromUtf8(text));
    }
}

void QtGridView::LoadPicture(const std::string& path)
{
    const QString file = FromUtf8(path);
    if (window_.picture()->loadPicture(file))
        return;
    // Play goes on with a blank grid; the player learns which file is missing or unreadable.
    window_.picture()->showBlank();
    ShowGameMessage(&window_, QStringLiteral("Impossibile leggere l'immagine dello schema:\n%1").arg(file));
}

void QtGridView::FillRectangle(int x1, int y1, int x2, int y2, Rgb colour)
{
    window_.picture()->fillRectangle(x1, y1, x2, y2, QColor(colour.r, colour.g, colour.b));
}

void QtGridView::DrawText(int x, int y, const std::string& text)
{
    window_.picture()->drawText(x, y, FromUtf8(text));
}

void QtGridView::ShowMessage(const std::string& text)
{
    ShowGameMessage(&window_, FromUtf8(text));
}

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
