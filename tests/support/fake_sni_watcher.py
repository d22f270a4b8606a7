'''The StatusNotifierWatcher of a desktop's notification area, for tests (a
python-dbusmock template: python3 -m dbusmock --session -t THIS_FILE). A host
is registered from the start, as on a desktop whose panel is up; the items
that register are listed in RegisteredStatusNotifierItems.
'''

import dbus

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, {
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
        'IsStatusNotifierHostRegistered': dbus.Boolean(True),
        'ProtocolVersion': dbus.Int32(0),
    })


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='',
                     sender_keyword='sender')
def RegisterStatusNotifierItem(self, service, sender=None):
    # A service name, or an object path on the caller's connection.
    item = service if not service.startswith('/') else sender + service
    items = self.Get(MAIN_IFACE, 'RegisteredStatusNotifierItems')
    self.Set(MAIN_IFACE, 'RegisteredStatusNotifierItems',
             dbus.Array(list(items) + [item], signature='s'))
    self.EmitSignal(MAIN_IFACE, 'StatusNotifierItemRegistered', 's', [item])


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='')
def RegisterStatusNotifierHost(self, service):
    pass
