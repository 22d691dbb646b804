#pragma once

#include "ui/change_listener.h"

#include <QSize>
#include <QWidget>

namespace quorvex {

/// Whether a form is shown modally: "shown now, answered later" through its model's
/// handlers, never by a nested event loop.
enum class Modality { Modeless, Modal };

/// The base of every form: a window with the platform's title bar over one window model.
/// It refreshes from the model each time the model announces a change, and applies the
/// model's `Visible` flag there. Closing it by its title bar asks the model (the window
/// stays until the model's flag says otherwise).
class FormWindow : public QWidget {
    Q_OBJECT

public:
    /// Listens to `changed` until destroyed. `owner`'s window owns this one (it stays above
    /// its owner); null makes a window of its own.
    FormWindow(ChangeSignal& changed, QWidget* owner, Modality modality = Modality::Modeless);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    /// Reads the model's public fields into the widgets (their signals blocked) and applies
    /// its `Visible` flag. Also the first refresh, right after construction of the subclass.
    virtual void Refresh() = 0;

    /// The size of the window in a `--grab` picture: what its layout asks for unless a
    /// form with a graph wants more room.
    virtual QSize GrabSize() const;

protected:
    /// The title bar's close: forwarded to the model's close handler.
    virtual void CloseRequested() = 0;

    /// The layout's size grown to `columns` average characters by `lines` text lines: the
    /// room a form with a graph wants in its picture.
    QSize GrabSizeAtLeast(int columns, int lines) const;

    /// Shows (and raises) or hides the window as the model's flag says; nothing when it is
    /// already so, so a refresh of a shown window does not take the focus from another.
    void ApplyVisible(bool visible);

    void closeEvent(QCloseEvent* event) override;

private:
    ChangeListener listener_;
};

} // namespace quorvex
