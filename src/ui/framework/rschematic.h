#pragma once

#include <QPoint>
#include <QString>
#include <QVector>
#include <QWidget>

// The drawing behind a calculator's boxes: wires (a ground symbol is three
// of them), junction dots and hollow terminals, each under a name so that a
// configuration change can hide, show, stretch or move it.
class RSchematic final : public QWidget {
    Q_OBJECT

public:
    enum class ShapeKind { Line, Dot, Terminal };
    struct Shape {
        QString name;
        ShapeKind kind = ShapeKind::Line;
        QPoint a; // a line's start; the centre of a dot or terminal
        QPoint b; // a line's end
        bool visible = true;
    };

    explicit RSchematic(QWidget* parent = nullptr);

    void AddLine(const QString& name, QPoint from, QPoint to);
    void AddDot(const QString& name, QPoint centre);
    void AddTerminal(const QString& name, QPoint centre);

    void SetVisible(const QString& name, bool visible);
    void SetLine(const QString& name, QPoint from, QPoint to);
    void Move(const QString& name, int dx, int dy);
    const Shape* Find(const QString& name) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape* FindShape(const QString& name);
    QVector<Shape> shapes_;
};

// A quantity's box: grey for an element, silver with a dotted outline for a
// result.
class RBox final : public QWidget {
    Q_OBJECT

public:
    RBox(bool result, QWidget* parent = nullptr);
    bool IsResult() const { return result_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool result_;
};

// A picture that reports a click; the ohm sign beside an ohm unit radio.
class RPicture final : public QWidget {
    Q_OBJECT

public:
    explicit RPicture(QWidget* parent = nullptr);
    void SetPixmap(const QPixmap& pixmap);
    const QPixmap& Pixmap() const { return pixmap_; }
    QSize sizeHint() const override { return pixmap_.deviceIndependentSize().toSize(); }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap pixmap_;
};
