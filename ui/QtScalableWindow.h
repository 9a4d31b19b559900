// The main window as the scaler sees it: 57 controls in twips, the client area, the frame and the screen.
#pragma once

#include "ScalableWindow.h"

#include <QMargins>
#include <QObject>

#include <optional>

class Form1Window;
class QAction;
class QWidget;

// Owned by the window it adapts (a child QObject). Controls come in the window's order: its 49
// widgets, then its 8 menu items, which have no position. Twips are logical pixels × 15; values
// become whole pixels only when they are handed to Qt.
class QtScalableWindow : public QObject, public ScalableWindow {
    Q_OBJECT
public:
    explicit QtScalableWindow(Form1Window& window);

    double ClientWidth() const override;
    double ClientHeight() const override;
    void SetOuterBounds(const OuterBounds& bounds) override;
    bool IsMinimised() const override;
    void SuspendRepaint() override;
    void ResumeRepaint() override;
    int ControlCount() const override;
    bool IsLine(int control) const override;
    double Property(int control, ControlProperty property) const override;
    void SetProperty(int control, ControlProperty property, double twips) override;
    std::string Tag(int control) const override;
    double ScreenWidth() const override;
    double ScreenHeight() const override;

signals:
    // The window manager's frame became known (or changed) after the outer size was set, and the
    // window was sized again to keep that outer size: its client area has changed.
    void clientAreaChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMargins knownFrame() const;
    void applyOuterBounds(const QMargins& frame);
    QWidget* widgetAt(int control) const;
    QAction* actionAt(int control) const;

    Form1Window& window_;
    std::optional<OuterBounds> outer_;  // the outer rectangle last asked for
    QMargins frameUsed_;                // the frame it was turned into a client rectangle with
};
