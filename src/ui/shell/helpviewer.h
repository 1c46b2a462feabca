#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QTextBrowser;
class QWidget;

// Kelvo's help: HTML pages shown in one help window of our own. The contents
// is index.html; every help context number N has the page topicN.html.
class HelpViewer final : public QObject {
    Q_OBJECT

public:
    explicit HelpViewer(QObject* parent = nullptr);
    // Looks for the pages in these folders only, in this order.
    explicit HelpViewer(const QStringList& folders, QObject* parent = nullptr);
    ~HelpViewer() override;

    void ShowContents();
    // A context number without a page of its own opens the contents.
    void ShowTopic(int context);
    void Close();

    // The first candidate folder that holds index.html; empty when none does.
    QString HelpFolder() const;
    QStringList CandidateFolders() const { return folders_; }
    // Beside the program first, then the data folder of the installation the
    // program lies in, then the one it was built for.
    static QStringList DefaultFolders();

    // Addresses outside the help (http, https, mailto) go to this handler;
    // by default the desktop's browser or mail program.
    void SetExternalLinkHandler(std::function<void(const QUrl&)> handler);

    QUrl CurrentSource() const;
    QWidget* Window() const;

private:
    void Open(const QString& fileName);
    void BuildWindow();
    void FollowLink(const QUrl& link);

    QStringList folders_;
    std::function<void(const QUrl&)> externalHandler_;
    std::unique_ptr<QMainWindow> window_;
    QTextBrowser* browser_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
};
