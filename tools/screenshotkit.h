#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;
class TFormMain;

// What a scene of the screenshot tool works with: the main window, with
// automatic calculation on, and helpers that act as the user does.
class ShotKit {
public:
    ShotKit(TFormMain& window, const QString& folder) : window(window), folder_(folder) {}

    TFormMain& window;
    // Saves a picture of the widget (the main window when none is given).
    void Save(const QString& name, QWidget* widget = nullptr);
    void Type(const QString& edit, const QString& text);
    void Click(const QString& button);
    // Chooses the type by its caption in the tree.
    void ShowType(const QString& caption);
    // Where a picture of that name goes.
    QString Path(const QString& name) const {
        return folder_ + u'/' + name + QStringLiteral(".png");
    }

private:
    QString folder_;
};

// Each calculator family registers its scenes from a file of its own; they
// run in the order of their numbers.
struct Scene {
    int order;
    std::function<void(ShotKit&)> run;
};
std::vector<Scene>& Scenes();

struct SceneRegistration {
    SceneRegistration(int order, std::function<void(ShotKit&)> run) {
        Scenes().push_back({order, std::move(run)});
    }
};
