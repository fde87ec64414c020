#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>

class QRect;
class QSocketNotifier;
class QWidget;
class TMainForm;

// Lets a test that drives the program from outside read its state: every line "state ID"
// written to a named pipe is answered with one JSON line {"id": ID, "state": {...}} appended
// to a file. The state holds the option controls, the circles with their popup windows and
// check marks, and the screen rectangles of what can be pointed at or must be avoided.
class TStateReporter : public QObject
{
    Q_OBJECT

public:
    TStateReporter(TMainForm* Form, const QString& RequestPipe, const QString& Output);
    ~TStateReporter() override;

private:
    void ReadRequests();
    void Report(const QByteArray& Id);
    QJsonObject State() const;
    QJsonObject Options() const;
    QJsonArray Circles() const;
    QJsonArray Popups() const;
    void AddTargets(QJsonArray& Targets, QJsonArray& Avoid) const;
    void AddWindowTargets(QJsonArray& Targets, QWidget* Window) const;
    void AddMenuTargets(QJsonArray& Targets, QJsonArray& Avoid) const;

    static QJsonArray Rect(const QRect& Rect);
    static QJsonArray Target(const QRect& Rect, const QString& Kind, const QString& Name);

    TMainForm* FForm;
    int FPipe = -1;
    // Our own writer keeps the pipe from reporting end-of-file between two requests.
    int FKeepOpen = -1;
    QSocketNotifier* FNotifier = nullptr;
    QFile FOutput;
    QByteArray FPending;
};
