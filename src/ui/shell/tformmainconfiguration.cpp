// The main window's configuration: read at the first showing from where the
// core says it lives, and the window's placement taken from it and given back.

#include "ui/shell/tformmain.h"

#include "core/installation.h"
#include "core/rconfig.h"
#include "ui/shell/windowplacement.h"

#include <QSplitter>
#include <QWindow>

#include <algorithm>

void TFormMain::LoadConfiguration() {
    config_ = std::make_unique<RConfig>();
    config_->FileName = configFileName_.isEmpty() ? DefaultConfigFileName() : configFileName_;
    context_.config = config_.get();
    config_->Read();
    UpdateHistoryMenu();
}

void TFormMain::ApplyWindowPlacement() {
    // A maximized window is placed first all the same, so that it goes back
    // to its remembered place when it is restored.
    setWindowState(windowState() & ~Qt::WindowMaximized);
    // A placement from another screen arrangement or a damaged file must not
    // hide the window or make it larger than the screen.
    // The frame counts where the platform already knows it.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect bounds =
        FitWindowPlacement(config_->Left, config_->Top, config_->Width, config_->Height,
                           minimumSizeHint(), frame, AvailableScreenAreas());
    move(bounds.topLeft());
    resize(bounds.size());
    placement_ = QRect(pos(), size());
    splitter_->setSizes({treeWidth_, std::max(1, bounds.width() - treeWidth_)});
    if (config_->Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TFormMain::StoreWindowPlacement() {
    config_->Maximized = isMaximized() ? 1 : 0;
    // A maximized window remembers where it goes back to. Left and Top are
    // the frame's corner, as move() takes them; normalGeometry() is inside it.
    QRect bounds(pos(), size());
    if (isMaximized()) {
        bounds = normalGeometry();
        bounds.translate(frameGeometry().topLeft() - geometry().topLeft());
    }
    // A platform may leave a window smaller than its layout allows (X without
    // a window manager does); the next run must not start that small.
    bounds.setSize(bounds.size().expandedTo(minimumSize()));
    config_->Left = bounds.left();
    config_->Top = bounds.top();
    config_->Width = bounds.width();
    config_->Height = bounds.height();
}
