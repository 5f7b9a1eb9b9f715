#include "app/window/WindowSizeKeeper.h"

#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <exception>

namespace {

// "1000x700"; an invalid size for anything else.
QSize ReadSize(const std::string& text)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('x'));
    bool widthRead = false;
    bool heightRead = false;
    const QSize size(parts.value(0).toInt(&widthRead), parts.value(1).toInt(&heightRead));
    return parts.size() == 2 && widthRead && heightRead ? size : QSize();
}

} // namespace

WindowSizeKeeper::WindowSizeKeeper(QWidget& window, QSize least)
    : QObject(&window), window_(window), remembered_(ReadSize(IniStore::ReadStringParam(kWindowSize, "")))
{
    window.setMinimumSize(least);
    QSize size = remembered_.isValid() ? remembered_.expandedTo(least) : least;
    // A size left on a larger screen than this one.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size()).expandedTo(least);
    window.resize(size);
    window.installEventFilter(this);
}

bool WindowSizeKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_ || event->type() != QEvent::Hide || window_.isMinimized()) return false;
    const QSize size = window_.isMaximized() ? window_.normalGeometry().size() : window_.size();
    if (size == remembered_ || (!remembered_.isValid() && size == window_.minimumSize())) return false;
    try {
        IniStore::WriteStringParam(kWindowSize, std::to_string(size.width()) + "x" + std::to_string(size.height()));
        remembered_ = size;
    } catch (const std::exception&) {
        // The size is a convenience: a settings file that cannot be written
        // is said when something that matters is saved in it.
    }
    return false;
}
