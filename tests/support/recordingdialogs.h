#pragma once

#include "ui/framework/userdialogs.h"

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTextDocument>

#include <functional>
#include <optional>

// Answers every question, message box and dialog from a script and records
// what was asked, in order. What the script does not answer is cancelled (a
// question without Cancel gets No) and counted in `unscripted`.
class RecordingDialogs final : public UserDialogs {
public:
    enum class Call {
        Question,
        Message,
        OpenFile,
        SaveFile,
        Text,
        Color,
        ReportFile,
        Print,
        ChartFile
    };

    struct Record {
        Call call = Call::Question;
        QString title;   // file dialogs and input boxes
        QString text;    // the question, the message or the prompt
        QString folder;  // file dialogs: the folder they start in
        QString initial; // input boxes: the text filled in; report, chart: the proposed path
        QColor color;    // the colour dialog: the colour it starts at
        int maxLength = 0;
        bool withCancel = false;
        Answer defaultAnswer = Answer::Yes; // questions: Enter's
        MessageBoxKind kind = MessageBoxKind::Error;
    };

    QList<Record> records;
    // Questions, in turn; PressEnter() takes the question's default button.
    QList<std::optional<Answer>> answers;
    QList<std::optional<QString>> openPaths; // nullopt cancels the dialog
    QList<std::optional<QString>> savePaths;
    QList<std::optional<QString>> reportPaths; // the report's save dialog
    QList<std::optional<QString>> chartPaths;  // the chart's save dialog
    QList<QColor> colors;                      // an invalid colour cancels
    QStringList printed;                       // documents shown in the print preview, as text
    // Input boxes: nullopt cancels; an entry holding a null QString accepts
    // the text as filled in.
    QList<std::optional<QString>> texts;
    int unscripted = 0;
    // Called for each message box, where a real one would run its own event loop.
    std::function<void()> whileMessageShown;

    void PressEnter() { answers << std::nullopt; }
    void AcceptProposal() { texts << std::optional<QString>(QString()); }
    void EnterText(const QString& text) {
        texts << std::optional<QString>(text.isNull() ? QStringLiteral("") : text);
    }
    void CancelText() { texts << std::nullopt; }

    QList<Record> Of(Call call) const {
        QList<Record> found;
        for (const Record& record : records)
            if (record.call == call)
                found << record;
        return found;
    }
    QStringList Questions() const { return Texts(Call::Question); }
    QStringList Messages() const { return Texts(Call::Message); }
    bool AnyFatal() const {
        for (const Record& record : Of(Call::Message))
            if (record.kind == MessageBoxKind::Fatal)
                return true;
        return false;
    }

    Answer Ask(QWidget*, const QString& question, bool withCancel, Answer defaultAnswer) override {
        Record& record = Add(Call::Question);
        record.text = question;
        record.withCancel = withCancel;
        record.defaultAnswer = defaultAnswer;
        const Answer unscriptedAnswer = withCancel ? Answer::Cancel : Answer::No;
        return Take(answers, std::optional(unscriptedAnswer)).value_or(defaultAnswer);
    }
    void ShowMessage(QWidget*, MessageBoxKind kind, const QString& text) override {
        Add(Call::Message).text = text;
        records.last().kind = kind;
        if (whileMessageShown)
            whileMessageShown();
    }
    bool GetOpenFileName(QWidget*, const QString& title, const QString& folder,
                         QString& path) override {
        return FileDialog(Call::OpenFile, openPaths, title, folder, path);
    }
    bool GetSaveFileName(QWidget*, const QString& title, const QString& folder,
                         QString& path) override {
        return FileDialog(Call::SaveFile, savePaths, title, folder, path);
    }
    bool GetText(QWidget*, const QString& title, const QString& prompt, int maxLength,
                 QString& text) override {
        Record& record = Add(Call::Text);
        record.title = title;
        record.text = prompt;
        record.initial = text;
        record.maxLength = maxLength;
        const std::optional<QString> answer = Take(texts, std::optional<QString>());
        if (answer && !answer->isNull())
            text = *answer;
        return answer.has_value();
    }
    bool GetColor(QWidget*, QColor& color) override {
        Add(Call::Color).color = color;
        const QColor chosen = Take(colors, QColor());
        if (chosen.isValid())
            color = chosen;
        return chosen.isValid();
    }
    bool GetReportFileName(QWidget*, const QString& proposed, QString& path) override {
        Add(Call::ReportFile).initial = proposed;
        return Answered(Take(reportPaths, std::optional<QString>()), path);
    }
    bool GetChartFileName(QWidget*, const QString& proposed, QString& path) override {
        Add(Call::ChartFile).initial = proposed;
        return Answered(Take(chartPaths, std::optional<QString>()), path);
    }
    void PrintPreview(QWidget*, QTextDocument& document) override {
        Add(Call::Print);
        printed << document.toPlainText();
    }

private:
    Record& Add(Call call) {
        records.append(Record());
        records.last().call = call;
        return records.last();
    }
    template <typename T> T Take(QList<T>& script, const T& cancel) {
        if (script.isEmpty()) {
            ++unscripted;
            return cancel;
        }
        return script.takeFirst();
    }
    static bool Answered(const std::optional<QString>& answer, QString& path) {
        if (answer)
            path = *answer;
        return answer.has_value();
    }
    QStringList Texts(Call call) const {
        QStringList found;
        for (const Record& record : Of(call))
            found << record.text;
        return found;
    }
    bool FileDialog(Call call, QList<std::optional<QString>>& script, const QString& title,
                    const QString& folder, QString& path) {
        Record& record = Add(call);
        record.title = title;
        record.folder = folder;
        return Answered(Take(script, std::optional<QString>()), path);
    }
};
