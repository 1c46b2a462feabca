#include "ui/shell/helpviewer.h"

#include "core/installation.h"
#include "core/messages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMainWindow>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

namespace {

const QString ContentsPage = QStringLiteral("index.html");

bool IsOutsideHelp(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto") || scheme == QLatin1String("ftp");
}

} // namespace

HelpViewer::HelpViewer(QObject* parent) : HelpViewer(DefaultFolders(), parent) {}

HelpViewer::HelpViewer(const QStringList& folders, QObject* parent)
    : QObject(parent), folders_(folders),
      externalHandler_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

// The window has no Qt parent (a QObject cannot parent a widget), so it is
// owned here and goes with the viewer.
HelpViewer::~HelpViewer() = default;

QStringList HelpViewer::DefaultFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder + QStringLiteral("/help")};
    const QString installed = InstalledDataFolder(programFolder);
    if (!installed.isEmpty())
        folders << installed + QStringLiteral("/help");
    folders << QStringLiteral(KELVO_DATADIR "/help");
    folders.removeDuplicates();
    return folders;
}

QString HelpViewer::HelpFolder() const {
    for (const QString& folder : folders_) {
        const QDir dir(folder);
        if (QFileInfo(dir.filePath(ContentsPage)).isFile())
            return dir.absolutePath();
    }
    return {};
}

void HelpViewer::ShowContents() {
    Open(ContentsPage);
}

void HelpViewer::ShowTopic(int context) {
    Open(QStringLiteral("topic%1.html").arg(context));
}

void HelpViewer::Close() {
    if (window_)
        window_->close();
}

void HelpViewer::SetExternalLinkHandler(std::function<void(const QUrl&)> handler) {
    externalHandler_ = std::move(handler);
}

QUrl HelpViewer::CurrentSource() const {
    return browser_ ? browser_->source() : QUrl();
}

QWidget* HelpViewer::Window() const {
    return window_.get();
}

void HelpViewer::Open(const QString& fileName) {
    const QString folder = HelpFolder();
    if (folder.isEmpty()) {
        ShowError(QStringLiteral("The help files could not be found."));
        return;
    }
    const QDir dir(folder);
    QString path = dir.filePath(fileName);
    if (!QFileInfo(path).isFile())
        path = dir.filePath(ContentsPage);

    BuildWindow();
    browser_->setSource(QUrl::fromLocalFile(path));
    if (window_->isMinimized())
        window_->showNormal();
    else
        window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpViewer::BuildWindow() {
    if (window_)
        return;
    window_ = std::make_unique<QMainWindow>();
    window_->setObjectName(QStringLiteral("HelpWindow"));
    window_->setWindowTitle(QStringLiteral("Kelvo Help"));
    // Help left open must not keep the program running once the main window is gone.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    window_->resize(720, 560);

    browser_ = new QTextBrowser(window_.get());
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Links are followed here, so that web addresses never load inside the help.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDocumentMargin(10);
    window_->setCentralWidget(browser_);

    QStyle* style = window_->style();
    auto* contents = new QAction(style->standardIcon(QStyle::SP_DirHomeIcon),
                                 QStringLiteral("Contents"), window_.get());
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    back_ = new QAction(style->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"),
                        window_.get());
    back_->setObjectName(QStringLiteral("HelpBack"));
    back_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back_->setEnabled(false);
    forward_ = new QAction(style->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"),
                           window_.get());
    forward_->setObjectName(QStringLiteral("HelpForward"));
    forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward_->setEnabled(false);

    QToolBar* toolBar = window_->addToolBar(QStringLiteral("Navigation"));
    toolBar->setObjectName(QStringLiteral("HelpToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(contents);
    toolBar->addAction(back_);
    toolBar->addAction(forward_);

    connect(contents, &QAction::triggered, this, &HelpViewer::ShowContents);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    // Pointing at a web address tells where it leads before it leaves the help.
    connect(browser_, &QTextBrowser::highlighted, window_.get(), [this](const QUrl& link) {
        window_->statusBar()->showMessage(IsOutsideHelp(link) ? link.toString() : QString());
    });
}

void HelpViewer::FollowLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (IsOutsideHelp(target)) {
        if (externalHandler_)
            externalHandler_(target);
        return;
    }
    browser_->setSource(target);
}
