#pragma once

#include "app/window/ListItemHint.h"

#include <QProxyStyle>

// The wizard's tooltips come up after a short rest of the pointer, so that the
// full text of a clipped list item is there when the user pauses over it.
class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay) return kHintPauseMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
