// The start probe: a small library the benchmark preloads (LD_PRELOAD) into the program and into the bare
// window, so that both are measured by the same code without a line of it in the program. It waits for the
// first paint of what the run awaits, writes the time of that paint to the report file and quits the
// application the ordinary way, so that whatever the program does at exit is part of the run.
//
// Its orders come from the environment:
//   KZ_PROBE_REPORT   the file that receives "<first paint, ns of CLOCK_MONOTONIC> <forms shown>\n" at the
//   end KZ_PROBE_CHOOSE   the object names of the new-form chooser's buttons to click, one per form, comma
//                     separated; empty: the first paint of the MDI area ends the run (the bare window)
//   KZ_PROBE_NEW      "<property>=<value>": the action that makes the next new form (File New), found by
//                     the command id property the program gives its actions
//
// With buttons to click, a form counts as shown at the first paint inside a new MDI child window, and the
// bare window at the first paint of its MDI area; once every form has shown, the run ends.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

class StartProbe : public QObject {
public:
    StartProbe(QStringList choices, QByteArray newForm, QByteArray report)
        : QObject(qApp),
          m_choices(std::move(choices)),
          m_newForm(std::move(newForm)),
          m_report(std::move(report))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_delivering || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget->inherits("CDlgNew")) {
            // Answered once the dialog runs its own loop, as a person's click would come.
            QTimer::singleShot(0, this, [this, dialog = QPointer<QWidget>(widget)] { choose(dialog); });
        } else if (event->type() == QEvent::Paint && !m_ending && awaited(widget)) {
            // Delivered here, so that the time taken is when this paint is done, before any work it sets off.
            m_delivering = true;
            QCoreApplication::sendEvent(widget, event);
            m_delivering = false;
            painted();
            return true;
        }
        return false;
    }

private:
    void choose(QWidget* dialog)
    {
        if (!dialog || m_chosen >= m_choices.size()) return;
        if (auto* button = dialog->findChild<QAbstractButton*>(m_choices.at(m_chosen))) {
            ++m_chosen;
            button->click();
        }
    }

    // With forms to open, the first paint inside a new MDI child window; else the first paint of an MDI area,
    // where a form would show.
    bool awaited(QWidget* widget)
    {
        if (m_choices.isEmpty()) {
            return widget->inherits("QMdiArea") ||
                   (widget->parentWidget() && widget->parentWidget()->inherits("QMdiArea"));
        }
        QMdiSubWindow* form = formWindowOf(widget);
        if (!form || m_shownForms.contains(form)) return false;
        m_shownForms.insert(form);
        return true;
    }

    void painted()
    {
        if (m_firstPaint == 0) m_firstPaint = monotonicNs();
        m_ending = m_choices.isEmpty() || m_shownForms.size() >= m_choices.size();
        QTimer::singleShot(0, this, [this] {
            if (!m_ending) return newForm();
            report();
            QCoreApplication::quit();
        });
    }

    // The MDI child whose contents the widget is part of; null for its frame and for everything else.
    static QMdiSubWindow* formWindowOf(QWidget* widget)
    {
        for (QWidget* inner = widget; inner && inner->parentWidget(); inner = inner->parentWidget()) {
            auto* child = qobject_cast<QMdiSubWindow*>(inner->parentWidget());
            if (child && child->widget() == inner) return child;
        }
        return nullptr;
    }

    void newForm()
    {
        const QList<QByteArray> order = m_newForm.split('=');
        if (order.size() != 2) return;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QAction* action : window->findChildren<QAction*>()) {
                if (action->property(order[0].constData()).toByteArray() == order[1]) {
                    action->trigger();
                    return;
                }
            }
        }
    }

    static long long monotonicNs()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
    }

    void report() const
    {
        FILE* file = std::fopen(m_report.constData(), "w");
        if (!file) return;
        std::fprintf(file, "%lld %lld\n", m_firstPaint, static_cast<long long>(m_shownForms.size()));
        for (const QByteArray& library : loadedLibraries()) std::fprintf(file, "%s\n", library.constData());
        std::fclose(file);
    }

    // The files mapped into the process whose names say they are shared libraries.
    static QSet<QByteArray> loadedLibraries()
    {
        QSet<QByteArray> libraries;
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly)) return libraries;
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const qsizetype path = line.indexOf('/');
            if (path >= 0 && line.indexOf(".so", path) >= 0) libraries.insert(line.mid(path));
        }
        return libraries;
    }

    QStringList m_choices;
    QByteArray m_newForm;
    QByteArray m_report;
    qsizetype m_chosen = 0;
    QSet<QMdiSubWindow*> m_shownForms;
    bool m_ending = false;
    bool m_delivering = false;
    long long m_firstPaint = 0;
};

void installProbe()
{
    const QByteArray report = qgetenv("KZ_PROBE_REPORT");
    if (report.isEmpty()) return;
    const QString choose = QString::fromUtf8(qgetenv("KZ_PROBE_CHOOSE"));
    auto* probe = new StartProbe(choose.split(u',', Qt::SkipEmptyParts), qgetenv("KZ_PROBE_NEW"), report);
    qApp->installEventFilter(probe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
