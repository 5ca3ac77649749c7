#include "platform/qt/qt_progress.h"

#include "services/dialogs.h"
#include "text/qt/qt_strings.h"

#include <QApplication>

#include <algorithm>

namespace tavolin::services {

namespace {

// The windows are painted and the stop button looked at no more often than this: painting the
// rename window's lists each frame would cost a batch of 100,000 files a third of its time.
constexpr qint64 kRefreshMilliseconds = 50;

} // namespace

QtProgress::QtProgress(std::chrono::milliseconds showAfter)
    : m_showAfter(showAfter)
{}

QtProgress::~QtProgress()
{
    delete m_dialog;
}

void QtProgress::start(std::string_view what)
{
    m_what = text::toQString(what);
    m_stopAsked = false;
    m_lastRefresh = 0;
    m_clock.start();
}

bool QtProgress::advance(std::size_t done, std::size_t total)
{
    const qint64 now = m_clock.elapsed();
    if (m_stopAsked || now - m_lastRefresh < kRefreshMilliseconds)
        return !m_stopAsked;
    m_lastRefresh = now;
    if (!m_dialog && now < m_showAfter.count()) {
        // The windows stay painted, and the desktop does not take them for hung.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    show(done, total);
    // Paints the windows and delivers the press of the stop button, if there was one.
    QApplication::processEvents();
    return !m_stopAsked;
}

void QtProgress::show(std::size_t done, std::size_t total)
{
    if (!m_dialog) {
        m_dialog = new QProgressDialog(QApplication::activeWindow());
        m_dialog->setObjectName(QStringLiteral("dlgProgress"));
        m_dialog->setWindowTitle(text::toQString(kProgramName));
        m_dialog->setCancelButtonText(QStringLiteral("中止"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setMinimumWidth(360);
        QObject::connect(m_dialog, &QProgressDialog::canceled, [this] { m_stopAsked = true; });
    }
    // Beyond what an int holds the bar counts in thousands; the figures stay exact.
    const int scale = total > 2'000'000'000 ? 1000 : 1;
    m_dialog->setMaximum(static_cast<int>(total / scale));
    m_dialog->setValue(static_cast<int>(std::min(done, total) / scale));
    m_dialog->setLabelText(m_what + QStringLiteral("\n%1 / %2").arg(done).arg(total));
    if (!m_dialog->isVisible())
        m_dialog->show();
}

void QtProgress::finish()
{
    delete m_dialog;
}

} // namespace tavolin::services
