'''A desktop portal with the GlobalShortcuts interface, for tests (a
python-dbusmock template: python3 -m dbusmock --session -t THIS_FILE).

Parameters (JSON, -p): "create" and "bind", the response code that
CreateSession and BindShortcuts answer with (0 by default; 1 the user
cancelled, 2 another failure); "bind_error", when true BindShortcuts fails
with a D-Bus error instead; "early", when true, answers before the method
returns. Answers come as Request.Response signals on the request path made
of the caller's unique name and its handle_token, after the method has
returned, as the real portal sends them.

For the tests, the interface org.velmor.Test.Portal on the same object:
Bound() -> every shortcut bound, as "id|preferred_trigger|description"
lines in the order of their ids; Activate(s id) emits Activated for the session that
bound the id; Closed() -> how many sessions were closed. As the real portal,
it refuses a session whose handle (caller and token) is already taken.

The Screenshot interface answers an interactive request with the parameter
"area" (a file's path; code "area_code", 0 by default) and any other with
"screen" (code "screen_code"); a missing path answers code 2, and
"screenshot_error", when true, fails every request with a D-Bus error.
Screenshots() -> the "interactive" option of each request, comma-separated.
'''

import dbus
from dbusmock import mockobject
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.GlobalShortcuts'
SYSTEM_BUS = False

REQUEST_IFACE = 'org.freedesktop.portal.Request'
SCREENSHOT_IFACE = 'org.freedesktop.portal.Screenshot'
SESSION_IFACE = 'org.freedesktop.portal.Session'
TEST_IFACE = 'org.velmor.Test.Portal'


def _path(kind, sender, token):
    return f'{MAIN_OBJ}/{kind}/{sender[1:].replace(".", "_")}/{token}'


def _respond(mock, sender, handle, code, results):
    def send():
        mock.EmitSignalDetailed(REQUEST_IFACE, 'Response', 'ua{sv}',
                                [dbus.UInt32(code), results],
                                {'path': handle, 'destination': sender})
        return False
    if mock.fake_params.get('early'):
        send()
    else:
        GLib.idle_add(send)


def load(mock, parameters):
    mock.fake_params = parameters
    mock.fake_sessions = {}  # shortcut id -> the session that bound it
    mock.fake_bound = {}  # shortcut id -> its line for Bound()
    mock.fake_closed = 0
    mock.fake_screenshots = []
    mock.AddProperty(MAIN_IFACE, 'version', dbus.UInt32(1))


@dbus.service.method(MAIN_IFACE, in_signature='a{sv}', out_signature='o',
                     sender_keyword='sender')
def CreateSession(self, options, sender=None):
    handle = _path('request', sender, options['handle_token'])
    session = _path('session', sender, options['session_handle_token'])
    if session in mockobject.objects:
        raise dbus.exceptions.DBusException(f'{session} exists',
                                            name='org.freedesktop.portal.Error.Failed')
    code = int(self.fake_params.get('create', 0))
    results = {}
    if code == 0:
        # Close is counted on the portal's own object; the code runs among
        # dbusmock's globals, where "objects" holds every mock object.
        self.AddObject(session, SESSION_IFACE, {}, [
            ('Close', '', '', f'objects["{MAIN_OBJ}"].fake_closed += 1')])
        results = {'session_handle': dbus.String(session)}
    _respond(self, sender, handle, code, results)
    return dbus.ObjectPath(handle)


@dbus.service.method(MAIN_IFACE, in_signature='oa(sa{sv})sa{sv}', out_signature='o',
                     sender_keyword='sender')
def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
    if self.fake_params.get('bind_error'):
        raise dbus.exceptions.DBusException('no shortcuts here',
                                            name='org.freedesktop.portal.Error.Failed')
    for sid, info in shortcuts:
        self.fake_bound[str(sid)] = \
            f'{sid}|{info.get("preferred_trigger", "")}|{info.get("description", "")}'
    handle = _path('request', sender, options['handle_token'])
    code = int(self.fake_params.get('bind', 0))
    results = {}
    if code == 0:
        for sid, _ in shortcuts:
            self.fake_sessions[str(sid)] = str(session)
        results = {'shortcuts': dbus.Array(
            [dbus.Struct((sid, {'description': info.get('description', ''),
                                'trigger_description': info.get('preferred_trigger', '')}),
                         signature='sa{sv}')
             for sid, info in shortcuts], signature='(sa{sv})')}
    _respond(self, sender, handle, code, results)
    return dbus.ObjectPath(handle)


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='s')
def Bound(self):
    return '\n'.join(line for _, line in sorted(self.fake_bound.items()))


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='i')
def Closed(self):
    return self.fake_closed


@dbus.service.method(TEST_IFACE, in_signature='s', out_signature='')
def Activate(self, shortcut_id):
    self.EmitSignal(MAIN_IFACE, 'Activated', 'osta{sv}',
                    [dbus.ObjectPath(self.fake_sessions.get(shortcut_id, '/')), shortcut_id,
                     dbus.UInt64(GLib.get_monotonic_time() // 1000), {}])


@dbus.service.method(SCREENSHOT_IFACE, in_signature='sa{sv}', out_signature='o',
                     sender_keyword='sender')
def Screenshot(self, parent_window, options, sender=None):
    interactive = bool(options.get('interactive', False))
    self.fake_screenshots.append('true' if interactive else 'false')
    if self.fake_params.get('screenshot_error'):
        raise dbus.exceptions.DBusException('no screenshots here',
                                            name='org.freedesktop.portal.Error.Failed')
    handle = _path('request', sender, options['handle_token'])
    path = self.fake_params.get('area' if interactive else 'screen')
    code = int(self.fake_params.get('area_code' if interactive else 'screen_code', 0))
    if not path and code == 0:
        code = 2
    results = {'uri': dbus.String('file://' + path)} if code == 0 else {}
    _respond(self, sender, handle, code, results)
    return dbus.ObjectPath(handle)


@dbus.service.method(TEST_IFACE, in_signature='', out_signature='s')
def Screenshots(self):
    return ','.join(self.fake_screenshots)
