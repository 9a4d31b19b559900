// The main window: every control and menu item built from the design table, addressed by name.
#pragma once

#include "ControlTable.h"

#include <QMainWindow>

#include <string_view>
#include <vector>

class PictureBox;
class QAction;

class Form1Window : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1Window(QWidget* parent = nullptr);

    // A control by its name and, for an array element, its index; nullptr when there is none.
    QWidget* control(std::string_view name, int index = -1) const;
    template <typename T> T* controlAs(std::string_view name, int index = -1) const
    {
        return qobject_cast<T*>(control(name, index));
    }
    PictureBox* picture() const { return picture_; }
    // The client area below the menu bar, on which every control sits.
    QWidget* client() const { return centralWidget(); }

    // The controls in the form's fixed order (as the design table lists them), and their designs.
    const std::vector<QWidget*>& controls() const { return widgets_; }
    const ControlDesign& designOf(const QWidget* widget) const;

    // A menu item by name (a drop-down menu's item is the action that opens it); nullptr if none.
    QAction* menuAction(std::string_view name) const;
    // The menu items in menu-bar order.
    const std::vector<QAction*>& menuActions() const { return actions_; }

    // Background colours as each kind of control shows them: bordered labels, buttons, the client area.
    void setBackColor(QWidget* widget, Rgb colour);
    void setWindowBackColor(Rgb colour);
    Rgb windowBackColor() const;

    // After the controls have been scaled: the grid box shows its picture at its natural size, or,
    // where that would cover another control (a small screen), just small enough not to; a heading
    // or a button whose caption no longer fits grows to the right, into free space only.
    void fitScaledLayout();

    // Keeps the screen-reader name of clue row i in step with its letter and text.
    void refreshClueNames(int index);

signals:
    // Activation of the window; after the first show it is also reported once, queued, because a
    // window without a window manager may never be activated.
    void activated();
    void closing();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControl(const ControlDesign& design);
    void createMenus();
    void setTabOrderFromTable();

    std::vector<QWidget*> widgets_;
    std::vector<const ControlDesign*> designs_;
    std::vector<QAction*> actions_;
    PictureBox* picture_ = nullptr;
    bool shownOnce_ = false;
};
