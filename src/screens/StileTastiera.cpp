#include "screens/StileTastiera.h"

int StileTastiera::styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                             QStyleHintReturn* ritorno) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
}
