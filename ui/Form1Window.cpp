// Building the main window from the design table: controls, fonts, colours, menus and tab order.
#include "Form1Window.h"

#include "ClickableLabel.h"
#include "PictureBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString CssColour(Rgb c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b);
}

QRect PixelRect(const ControlDesign& design)
{
    return QRect(TwipsToPixels(design.left), TwipsToPixels(design.top), TwipsToPixels(design.width),
                 TwipsToPixels(design.height));
}

// A button shows its colour on every style only when a style sheet gives it a border of its own.
QString ButtonStyle(Rgb colour)
{
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #404040; }"
                          "QPushButton:focus { border: 2px solid #202020; }"
                          "QPushButton:pressed { border: 2px inset #404040; }"
                          "QPushButton:disabled { color: rgba(0, 0, 0, 110); border-color: rgba(0, 0, 0, 90); }")
        .arg(CssColour(colour));
}

}  // namespace

Form1Window::Form1Window(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quadrivello"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quadrivello.png")));

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("Form1"));
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    setWindowBackColor(DesignBackground);

    createMenus();
    for (const ControlDesign& design : Form1Controls())
        createControl(design);
    // The level-1 grid is built into the program, so the box holds it from the window's creation.
    picture_->setInitialPicture(QStringLiteral(":/Dati/Schema-01.bmp"));
    for (int i = 0; i < 9; ++i)
        refreshClueNames(i);
    setTabOrderFromTable();

    resize(TwipsToPixels(ClientWidthTwips), TwipsToPixels(ClientHeightTwips) + menuBar()->sizeHint().height());
}

void Form1Window::createControl(const ControlDesign& design)
{
    QWidget* widget = nullptr;
    const QString caption = ToQString(design.caption);
    switch (design.kind) {
    case ControlKind::PictureBox: {
        picture_ = new PictureBox(client());
        picture_->setFocusPolicy(Qt::TabFocus);
        widget = picture_;
        break;
    }
    case ControlKind::Label: {
        auto* label = new ClickableLabel(caption, client());
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        if (design.border) {
            // A thin black line drawn in the label's text colour, the text one pixel inside it.
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            label->setIndent(1);
        }
        widget = label;
        break;
    }
    case ControlKind::PushButton: widget = new QPushButton(caption, client()); break;
    case ControlKind::LineEdit: widget = new QLineEdit(caption, client()); break;
    case ControlKind::MultiLineEdit: widget = new QPlainTextEdit(caption, client()); break;
    }
    widgets_.push_back(widget);
    designs_.push_back(&design);
    widget->setObjectName(design.index < 0 ? ToQString(design.name)
                                           : QStringLiteral("%1_%2").arg(ToQString(design.name)).arg(design.index));
    widget->setGeometry(PixelRect(design));
    if (!design.font.family.empty()) {
        QFont font(ToQString(design.font.family));
        font.setPointSizeF(design.font.points);
        widget->setFont(font);
    }
    if (design.background)
        setBackColor(widget, *design.background);
    if (design.kind != ControlKind::Label && design.kind != ControlKind::PictureBox)
        widget->setAccessibleName(caption.isEmpty() ? QStringLiteral("Risposta") : caption);
    else if (design.kind == ControlKind::PictureBox)
        widget->setAccessibleName(QStringLiteral("Schema"));
    else
        widget->setAccessibleName(caption);
    widget->setEnabled(design.enabled);
    widget->setVisible(design.visible);
}

void Form1Window::createMenus()
{
    QMenuBar* bar = menuBar();
    std::vector<std::pair<std::string_view, QMenu*>> menus;
    for (const MenuDesign& item : Form1Menus()) {
        QMenu* parentMenu = nullptr;
        for (auto& [name, menu] : menus) {
            if (name == item.parent)
                parentMenu = menu;
        }
        QAction* action = nullptr;
        if (item.dropDown) {
            QMenu* menu = bar->addMenu(ToQString(item.caption));
            menus.emplace_back(item.name, menu);
            action = menu->menuAction();
        } else if (parentMenu != nullptr) {
            action = parentMenu->addAction(ToQString(item.caption));
        } else {
            action = bar->addAction(ToQString(item.caption));
        }
        action->setObjectName(ToQString(item.name));
        actions_.push_back(action);
    }
}

void Form1Window::setTabOrderFromTable()
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < designs_.size(); ++i) {
        if (designs_[i]->kind != ControlKind::Label)
            order.push_back(i);
    }
    std::sort(order.begin(), order.end(),
              [this](std::size_t a, std::size_t b) { return designs_[a]->tabIndex < designs_[b]->tabIndex; });
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(widgets_[order[k - 1]], widgets_[order[k]]);
}

QWidget* Form1Window::control(std::string_view name, int index) const
{
    if (name == "Form1")
        return client();
    for (std::size_t i = 0; i < designs_.size(); ++i) {
        if (designs_[i]->name == name && designs_[i]->index == index)
            return widgets_[i];
    }
    return nullptr;
}

const ControlDesign& Form1Window::designOf(const QWidget* widget) const
{
    const auto at = std::find(widgets_.begin(), widgets_.end(), widget);
    return *designs_[static_cast<std::size_t>(at - widgets_.begin())];
}

QAction* Form1Window::menuAction(std::string_view name) const
{
    for (QAction* action : actions_) {
        if (action->objectName() == ToQString(name))
            return action;
    }
    return nullptr;
}

void Form1Window::setBackColor(QWidget* widget, Rgb colour)
{
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
        // Every new puzzle recolours the buttons with the colour they have; parsing an unchanged
        // style sheet again would cost more than the rest of "Genera Definizioni".
        const QString sheet = ButtonStyle(colour);
        if (widget->styleSheet() != sheet)
            widget->setStyleSheet(sheet);
        return;
    }
    // Labels and the client area fill their background from the palette: far cheaper than a
    // style sheet for each of the window's fifty labels.
    const QColor fill(colour.r, colour.g, colour.b);
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == fill)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, fill);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Form1Window::setWindowBackColor(Rgb colour)
{
    setBackColor(client(), colour);
}

Rgb Form1Window::windowBackColor() const
{
    const QColor c = client()->palette().color(QPalette::Window);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

void Form1Window::fitScaledLayout()
{
    picture_->setRoom(QSize());
    const QRect natural = picture_->geometry();
    // Clear of a control that sits right of its top-left corner, or below it: whichever lets it be larger.
    double fit = 1.0;
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const QRect other = widgets_[i]->geometry();
        if (widgets_[i] != picture_ && designs_[i]->visible && other.intersects(natural))
            fit = std::min(fit, std::max(double(other.left() - natural.left()) / natural.width(),
                                         double(other.top() - natural.top()) / natural.height()));
    }
    if (fit < 1.0)
        picture_->setRoom(QSize(int(natural.width() * fit), int(natural.height() * fit)));

    // Fonts keep their size when the controls shrink.
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const auto* button = qobject_cast<QPushButton*>(widgets_[i]);
        const auto* heading = designs_[i]->border ? nullptr : qobject_cast<QLabel*>(widgets_[i]);
        if (!designs_[i]->visible || (button == nullptr && heading == nullptr))
            continue;
        QRect wanted = widgets_[i]->geometry();
        const int frame = button != nullptr ? 12 : 2;
        wanted.setWidth(
            std::max(wanted.width(),
                     widgets_[i]->fontMetrics().horizontalAdvance(button ? button->text() : heading->text()) + frame));
        for (std::size_t k = 0; k < widgets_.size(); ++k) {
            if (k != i && designs_[k]->visible && widgets_[k]->geometry().intersects(wanted))
                wanted.setRight(std::min(wanted.right(), widgets_[k]->x() - 1));
        }
        widgets_[i]->resize(std::max(wanted.width(), widgets_[i]->width()), wanted.height());
    }
}

void Form1Window::refreshClueNames(int index)
{
    const auto name = [this](std::string_view array, int i) -> QString {
        const auto* label = controlAs<QLabel>(array, i);
        return label != nullptr ? label->text().trimmed() : QString();
    };
    if (auto* text = controlAs<QLabel>("Label4", index)) {
        text->setAccessibleName(QStringLiteral("Orizzontale %1: %2").arg(name("Label5", index), name("Label4", index)));
        controlAs<QLabel>("Label5", index)
            ->setAccessibleName(QStringLiteral("Lettera orizzontale %1").arg(name("Label5", index)));
    }
    if (auto* text = controlAs<QLabel>("Label8", index)) {
        text->setAccessibleName(QStringLiteral("Verticale %1: %2").arg(name("Label7", index), name("Label8", index)));
        controlAs<QLabel>("Label7", index)
            ->setAccessibleName(QStringLiteral("Lettera verticale %1").arg(name("Label7", index)));
    }
}

bool Form1Window::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QMainWindow::event(event);
}

void Form1Window::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        QTimer::singleShot(0, this, [this] { emit activated(); });
    }
}

void Form1Window::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}
