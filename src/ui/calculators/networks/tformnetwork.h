#pragma once

#include "ui/framework/tformproblem.h"

#include <QStringList>

// What the matching networks share: the ports Zin and Zout in silver boxes
// at the top corners, a wire from the input terminal to the output terminal,
// and the elements standing either on that wire or on a drop from a junction
// to ground, in evenly spaced columns.
class TFormNetwork : public TFormProblem {
    Q_OBJECT

protected:
    TFormNetwork(AppContext& context, int type, QObject* parent = nullptr);

    // Builds every box ("Zin", the elements "Z1".., "Zout" in field order,
    // ohm pictures ImageOhm1..), places the ports and draws the terminals
    // and the wire (named wireName) for that many element columns.
    void BuildNetwork(int columns, const QString& wireName);

    // Element placement. A box on the wire is centred on it; a box on a drop
    // hangs under a junction dot, with the drop line and a ground symbol of
    // three strokes (groundNames) under it.
    void PlaceOnWire(const QString& stem, int column);
    void PlaceOnDrop(const QString& stem, int column, const QString& dotName,
                     const QString& dropName, const QStringList& groundNames);

    // The field whose box has that caption; -1 for none.
    int FieldOfStem(const QString& stem) const;
    // The component line of an element on the wire or on a drop, at most
    // `room` wide (0: up to the next element's ground or the panel's edge).
    void PlaceElementLine(int field, bool onDrop, int room = 0);
    // The design frequency box with the top of its box level with the boxes
    // on drops: centred on the first column, or at the panel's right edge
    // for any other. Returns the left of its box.
    int PlaceDesignFrequency(int column);
    // The x where a dropped box's line starts, from the box's left.
    int DroppedLineOffset() const { return box_.width() / 2 + 16; }

    // The x of a column's centre line; the wire's and a dropped box's centre y.
    int ColumnX(int column) const { return firstColumnX_ + column * columnStep_; }
    int WireY() const { return wireY_; }
    int DropY() const { return dropY_; }
    // Where the radio groups start, and the panel's size once they are known.
    QPoint GroupsOrigin() const { return {inputX_, groupsY_}; }
    void FinishNetwork(int groupsRight, int groupsBottom);

private:
    int inputX_ = 16;
    int outputX_ = 0;
    int firstColumnX_ = 0;
    int columnStep_ = 0;
    int wireY_ = 0;
    int dropY_ = 0;
    int groupsY_ = 0;
    QSize box_;
};
