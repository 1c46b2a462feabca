// The main window's configuration: where its file lives, reading it at the
// first showing, and the window's placement taken from it and given back.

#include "ui/shell/tformmain.h"

#include "core/rconfig.h"
#include "ui/shell/installation.h"
#include "ui/shell/windowplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSplitter>
#include <QStandardPaths>
#include <QWindow>

#include <algorithm>

QString TFormMain::ConfigFileNameFor(const QString& programFolder, bool besideProgram,
                                     const QString& userConfigFolder) {
    const QString file = QStringLiteral("Kelvo.cfg");
    if (besideProgram || userConfigFolder.isEmpty())
        return QDir(programFolder).filePath(file);
    return QDir(userConfigFolder).filePath(QStringLiteral("kelvo/") + file);
}

QString TFormMain::DefaultConfigFileName() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // An installed program never writes beside itself, even where it could
    // (root running /usr/bin/kelvo): preferences are each user's own.
    const bool besideProgram =
        InstalledDataFolder(programFolder).isEmpty() && QFileInfo(programFolder).isWritable();
    const QString name = ConfigFileNameFor(programFolder, besideProgram, user);
    QDir().mkpath(QFileInfo(name).absolutePath());
    return name;
}

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
