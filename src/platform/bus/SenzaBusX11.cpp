// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SenzaBus.h"

#include <QByteArray>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace {

// at-spi's bus launcher announces the accessibility bus in a property of the
// display's root window. Qt reaches that bus only through the session bus, so
// where it is announced the session bus must stay reachable.
bool accessibilitaAnnunciata() {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    int numero = 0;
    xcb_connection_t* connessione = xcb_connect(nullptr, &numero);
    bool annunciata = false;
    if (!xcb_connection_has_error(connessione)) {
        xcb_screen_iterator_t schermo = xcb_setup_roots_iterator(xcb_get_setup(connessione));
        for (int i = 0; i < numero && schermo.rem; ++i)
            xcb_screen_next(&schermo);
        constexpr std::string_view nome = "AT_SPI_BUS";
        // Only if it exists: nothing is added to the display.
        xcb_intern_atom_reply_t* atomo = xcb_intern_atom_reply(
            connessione, xcb_intern_atom(connessione, 1, nome.size(), nome.data()), nullptr);
        if (schermo.rem && atomo && atomo->atom != XCB_ATOM_NONE) {
            xcb_get_property_reply_t* valore = xcb_get_property_reply(
                connessione,
                xcb_get_property(connessione, 0, schermo.data->root, atomo->atom,
                                 XCB_GET_PROPERTY_TYPE_ANY, 0, 1),
                nullptr);
            annunciata = valore && valore->type != XCB_ATOM_NONE;
            std::free(valore);
        }
        std::free(atomo);
    }
    xcb_disconnect(connessione);
    return annunciata;
}

} // namespace

void SenzaBus::evitaAvvioAutomatico() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || accessibilitaAnnunciata())
        return;
    // An address of no kind libdbus knows: every connection fails at once,
    // and nothing is started.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
