#!/usr/bin/env python3
"""The web build in headless Chromium, against the desktop build.

A first visit creates a player on the title and the main menu, finds two
things in the first scene and leaves it through the in-game menu, which saves
it; the page is loaded again and the player resumes the scene. Both visits are
replayed input (the desktop's -replay format), played the same way by the
desktop program, and the screenshots of the title and of the scene before and
after the reload must match the desktop's. Then the page's sizes and the
first scene's frame time, against the desktop's, as benchmark lines.

  web_smoke.py --web build-web --desktop BUILD --source . --work DIR

Chromium is driven through its DevTools protocol on a pipe; the page comes
from a server on 127.0.0.1. Exit code 0 when everything matched.
"""

import argparse
import base64
import fcntl
import functools
import http.server
import json
import os
import select
import shutil
import subprocess
import sys
import threading
import time

SHOT_EVERY = 30
# Screenshots may differ by this much per channel (WebGL and SDL's software
# renderer round blends and filtering apart), and this share of the pixels
# may differ by more (a particle a pixel aside).
TOLERANCE = 24
ALLOWED_SHARE = 0.01
TIMING_FRAMES = (60, 260)  # the first scene's frames that are timed
STORY_SHOWN = 300  # a frame of the first scene, started with -l, that shows its story text


class Failure(Exception):
    pass


class Browser:
    """Headless Chromium with one page, spoken to over --remote-debugging-pipe."""

    FLAGS = [
        '--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
        '--disable-gpu-sandbox', '--no-first-run', '--no-default-browser-check', '--disable-quic',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
        '--disable-backgrounding-occluded-windows', '--autoplay-policy=no-user-gesture-required',
        '--mute-audio', '--window-size=1024,768',
        # Frames come as fast as they are made, so the test runs at the game's
        # own speed and the frame times are the work's.
        '--disable-frame-rate-limit', '--disable-gpu-vsync',
    ]

    def __init__(self, profile):
        to_browser = os.pipe()
        from_browser = os.pipe()
        # The browser reads commands on descriptor 3 and answers on 4.
        keep = [fcntl.fcntl(to_browser[0], fcntl.F_DUPFD, 10), fcntl.fcntl(from_browser[1], fcntl.F_DUPFD, 10)]

        def descriptors():
            os.dup2(keep[0], 3)
            os.dup2(keep[1], 4)

        self.process = subprocess.Popen(
            ['chromium', *self.FLAGS, '--remote-debugging-pipe', '--user-data-dir=' + profile, 'about:blank'],
            pass_fds=(3, 4, *keep), preexec_fn=descriptors, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for fd in (*keep, to_browser[0], from_browser[1]):
            os.close(fd)
        self.writer = to_browser[1]
        self.reader = from_browser[0]
        self.pending = b''
        self.next_id = 0
        self.events = []
        self.console = []
        self.session = None
        targets = self.call('Target.getTargets')['targetInfos']
        page = next(t for t in targets if t['type'] == 'page')
        self.session = self.call('Target.attachToTarget', targetId=page['targetId'], flatten=True)['sessionId']
        for domain in ('Page', 'Runtime', 'Network'):
            self.call(domain + '.enable')

    def close(self):
        try:
            self.call('Browser.close', session=False)
            self.process.wait(10)
        except Exception:
            self.process.kill()
            self.process.wait()
        os.close(self.writer)
        os.close(self.reader)

    def _receive(self, deadline):
        while b'\0' not in self.pending:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.reader], [], [], left)[0]:
                raise Failure('the browser does not answer')
            chunk = os.read(self.reader, 1 << 20)
            if not chunk:
                raise Failure('the browser is gone')
            self.pending += chunk
        message, self.pending = self.pending.split(b'\0', 1)
        return json.loads(message)

    def _event(self, message):
        self.events.append(message)
        params = message.get('params', {})
        if message['method'] == 'Runtime.consoleAPICalled':
            self.console.append(' '.join(str(a.get('value', a.get('description', ''))) for a in params['args']))
        elif message['method'] == 'Runtime.exceptionThrown':
            self.console.append('exception: ' + json.dumps(params['exceptionDetails'])[:2000])

    def call(self, method, session=True, timeout=60, **params):
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params}
        if session and self.session:
            message['sessionId'] = self.session
        os.write(self.writer, json.dumps(message).encode() + b'\0')
        deadline = time.monotonic() + timeout
        while True:
            answer = self._receive(deadline)
            if answer.get('id') != self.next_id:
                if 'method' in answer:
                    self._event(answer)
                continue
            if 'error' in answer:
                raise Failure(method + ': ' + answer['error'].get('message', str(answer['error'])))
            return answer['result']

    def evaluate(self, expression, timeout=60):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True,
                           timeout=timeout)
        if 'exceptionDetails' in result:
            raise Failure(expression[:80] + ': ' + json.dumps(result['exceptionDetails'])[:1000])
        return result['result'].get('value')

    def wait_for(self, expression, what, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.2)
        raise Failure('waited %d s for %s' % (timeout, what))

    def downloaded(self):
        """Bytes that came over the network in all (headers and bodies)."""
        return sum(e['params']['encodedDataLength'] for e in self.events if e['method'] == 'Network.loadingFinished')


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, '.wasm': 'application/wasm'}

    def log_message(self, *args):
        pass


class Smoke:
    def __init__(self, options):
        for folder in ('web', 'desktop', 'source', 'work'):
            setattr(options, folder, os.path.abspath(getattr(options, folder)))
        self.options = options
        self.work = options.work
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        self.program = os.path.join(options.desktop, 'vandrell')
        self.compare = os.path.join(options.desktop, 'tests', 'compare_images')
        self.server = serve(options.web)
        self.url = 'http://127.0.0.1:%d/index.html' % self.server.server_address[1]
        self.browser = Browser(os.path.join(self.work, 'profile'))

    def plan(self, name, *plans):
        """The replay input of the plans, and its frame count."""
        walkthrough = os.path.join(self.options.source, 'tests', 'data', 'walkthrough')
        files = [p if os.path.isabs(p) else os.path.join(walkthrough, p) for p in plans]
        out = os.path.join(self.work, name + '.txt')
        subprocess.run(['cmake', '-DPLAN=' + ';'.join(files),
                        '-DLOCATIONS=' + os.path.join(self.options.source, 'data', 'locations'), '-DOUT=' + out,
                        '-P', os.path.join(self.options.source, 'tools', 'walkthrough', 'generate.cmake')],
                       check=True)
        with open(out) as text:
            lines = text.read().splitlines()
        end = int(next(line for line in lines if line.startswith('# end ')).split()[2])
        return out, lines, end

    def desktop(self, name, *switches):
        """Runs the desktop program headless; seconds it took."""
        print('web smoke: desktop run %s' % name, flush=True)
        started = time.monotonic()
        result = subprocess.run([self.program, '-headless', '-fixedtime', '-user', self.work + '/desktop_user/',
                                 '-log', os.path.join(self.work, name + '.log'), *switches],
                                env={**os.environ, 'SDL_VIDEODRIVER': 'dummy', 'ALSOFT_DRIVERS': 'null',
                                     'LSAN_OPTIONS': 'suppressions=%s:print_suppressions=0' % os.path.join(
                                         self.options.source, 'tests', 'lsan.supp')})
        if result.returncode != 0:
            raise Failure('the desktop program ended with %d on %s' % (result.returncode, name))
        return time.monotonic() - started

    def visit(self, name, switches, files=None, timing=False, during=None, timeout=300):
        """Loads the page with the game's switches and the given files put in
        its file system, calls `during` while the program runs, waits for it
        to end and for its saves to reach the browser; returns the seconds it
        ran. With `timing`, window.frameStarts holds the time each frame
        began, and the program waits at frame window.holdAt."""
        # The test's files, logs and screenshots go to /test.
        writes = 'Module.FS.mkdirTree("/test");' + ''.join(
            'Module.FS.writeFile(%s, %s);' % (json.dumps(path), json.dumps(text)) for path, text in (files or {}).items())
        frames = ''
        if timing:
            frames = ('preMainLoop: function() { if (frameStarts.length >= holdAt) return false; '
                      'frameStarts.push(performance.now()); },')
        script = ('window.frameStarts = []; window.holdAt = Infinity; '
                  'window.Module = {arguments: %s, %s preRun: [function() { %s }]};' % (json.dumps(switches), frames, writes))
        added = self.browser.call('Page.addScriptToEvaluateOnNewDocument', source=script)['identifier']
        self.browser.console.clear()
        print('web smoke: page visit for %s' % name, flush=True)
        started = time.monotonic()
        self.browser.call('Page.navigate', url=self.url)
        try:
            if during:
                during()
            code = self.browser.wait_for(
                'window.Module && Module.vandrellExitCode !== undefined && !Module.vandrellPersisting() ? '
                'String(Module.vandrellExitCode) : ""', 'the program on ' + name, timeout)
        except Failure:
            print('\n'.join(self.browser.console[-40:]), file=sys.stderr)
            raise
        finally:
            self.browser.call('Page.removeScriptToEvaluateOnNewDocument', identifier=added)
        if code != '0':
            print('\n'.join(self.browser.console[-40:]), file=sys.stderr)
            raise Failure('the page\'s program ended with %s on %s' % (code, name))
        return time.monotonic() - started

    def read(self, path):
        data = self.browser.evaluate(
            '(function() { var b = Module.FS.readFile(%s), s = ""; for (var i = 0; i < b.length; i += 32768) '
            's += String.fromCharCode.apply(null, b.subarray(i, i + 32768)); return btoa(s); })()' % json.dumps(path))
        return base64.b64decode(data)

    def keep(self, path, out):
        with open(out, 'wb') as file:
            file.write(self.read(path))
        return out

    def same_shot(self, what, web_shot, desktop_shot):
        result = subprocess.run([self.compare, web_shot, desktop_shot, '0', '0', str(TOLERANCE),
                                 str(int(800 * 600 * ALLOWED_SHARE))], capture_output=True, text=True)
        if result.returncode != 0:
            raise Failure('%s differs from the desktop\'s: %s(%s, %s)' % (what, result.stdout, web_shot, desktop_shot))

    def expect_lines(self, log, *wanted):
        with open(log, encoding='utf-8', errors='replace') as text:
            lines = [line.rstrip('\n') for line in text]
        at = 0
        for want in wanted:
            found = next((i for i in range(at, len(lines)) if want in lines[i]), None)
            if found is None:
                raise Failure('%s lacks "%s" (in order)' % (log, want))
            at = found + 1

    def shots(self, run, frames):
        """The web run's screenshots of these frames, fetched; their paths."""
        paths = []
        for frame in frames:
            name = 'frame_%06d.png' % frame
            paths.append(self.keep('/test/%s/%s' % (run, name), os.path.join(self.work, 'web_%s_%s' % (run, name))))
        return paths

    def first_visit(self):
        replay, lines, end = self.plan('first', 'new_player.plan',
                                       os.path.join(self.options.source, 'tests', 'web', 'find_two.plan'))
        # The title before its click; the scene with two things found, just
        # before the in-game menu is opened.
        menu_click = next(int(l.split()[0]) for l in lines if l.endswith(' 760 15') and not l.startswith('#'))
        checkpoints = [30, (menu_click - 1) // SHOT_EVERY * SHOT_EVERY]
        switches = ['-fixedtime', '-a', '0', '-shotevery', str(SHOT_EVERY), '-frames', str(end)]
        self.desktop('desktop_first', '-shot', self.work + '/desktop_first', '-replay', replay, *switches)
        with open(replay) as text:
            self.visit('the first visit', ['-log', '/test/first.log', '-shot', '/test/first', '-replay', '/test/input.txt',
                                           *switches], {'/test/input.txt': text.read()})
        self.bytes_to_title = self.browser.downloaded()
        log = self.keep('/test/first.log', os.path.join(self.work, 'web_first.log'))
        self.expect_lines(log, 'Level title loaded.', 'Level menu loaded.', 'Profiles saved.',
                          'Level workshop loaded.', 'M_PIC_CLICK:', 'M_PIC_CLICK:', 'Saved.', 'Level menu loaded.')
        # The first thing found, for the visit with the real mouse: the click
        # after the one that closes the story text.
        presses = [l.split() for l in lines if not l.startswith('#') and l.split()[1] == '1025']
        closing = next(i for i, p in enumerate(presses) if p[4:] == ['40', '540'])
        self.first_thing = (int(presses[closing + 1][4]), int(presses[closing + 1][5]))
        with open(os.path.join(self.work, 'desktop_first.log'), encoding='utf-8', errors='replace') as text:
            desktop_log = text.read()
        scene = desktop_log[desktop_log.index('Level workshop loaded.'):]
        self.first_thing_name = scene[scene.index('M_PIC_CLICK: ') + 13:].split('\n')[0]
        for what, frame, web in zip(('the title', 'the scene with two things found'), checkpoints,
                                    self.shots('first', checkpoints)):
            self.same_shot(what, web, os.path.join(self.work, 'desktop_first', 'frame_%06d.png' % frame))

    def second_visit(self):
        replay, _, end = self.plan('again', 'returning.plan',
                                   os.path.join(self.options.source, 'tests', 'web', 'resume.plan'))
        switches = ['-fixedtime', '-a', '0', '-frames', str(end)]
        self.desktop('desktop_again', '-shot', self.work + '/desktop_again', '-replay', replay, *switches)
        with open(replay) as text:
            self.visit('the visit after the reload', ['-log', '/test/again.log', '-shot', '/test/again', '-replay',
                                                      '/test/input.txt', *switches], {'/test/input.txt': text.read()})
        log = self.keep('/test/again.log', os.path.join(self.work, 'web_again.log'))
        # The player chosen on the main menu is the one made before the
        # reload, and the level resumes from its save.
        self.expect_lines(log, 'Profiles loaded.', 'Level workshop loaded.', 'Level workshop resumed.')
        self.same_shot('the resumed scene', self.shots('again', [end - 1])[0],
                       os.path.join(self.work, 'desktop_again', 'frame_%06d.png' % (end - 1)))

    def at_frame(self, frame):
        """Holds the program at the start of `frame`."""
        self.browser.evaluate('window.holdAt = %d' % frame)
        self.browser.wait_for('frameStarts.length >= %d' % frame, 'frame %d' % frame, 120)

    def click(self, frame, x, y):
        """A left click with the real mouse on the point (x, y) of the game's
        800 x 600 screen, wherever the page shows it: the pointer moves there
        at `frame`, the button goes down two frames later and up two after."""
        self.at_frame(frame)
        box = json.loads(self.browser.evaluate('JSON.stringify(Module.canvas.getBoundingClientRect())'))
        page = {'x': box['left'] + (x + 0.5) * box['width'] / 800, 'y': box['top'] + (y + 0.5) * box['height'] / 600}
        for offset, kind in ((0, 'mouseMoved'), (2, 'mousePressed'), (4, 'mouseReleased')):
            self.at_frame(frame + offset)
            self.browser.call('Input.dispatchMouseEvent', type=kind, button='left' if kind != 'mouseMoved' else 'none',
                              clickCount=1 if kind != 'mouseMoved' else 0, **page)
        self.browser.evaluate('window.holdAt = Infinity')

    def mouse_visit(self):
        """The first scene played with the real mouse, which the page scales
        to the game's screen: the story text closed, the first thing found.
        Its frames before the text are timed; so are the desktop's, from two
        runs that differ only in their number of frames. Milliseconds a frame
        in the page and on the desktop."""
        first, last = TIMING_FRAMES
        level = ['-fixedtime', '-l', 'workshop']

        def play():
            self.click(STORY_SHOWN, 40, 540)
            self.click(STORY_SHOWN + 10, *self.first_thing)

        self.visit('the first scene played with the mouse',
                   [*level, '-log', '/test/mouse.log', '-frames', str(STORY_SHOWN + 60)], timing=True, during=play)
        log = self.keep('/test/mouse.log', os.path.join(self.work, 'web_mouse.log'))
        self.expect_lines(log, 'Audio init complete successfully.', 'Level workshop loaded.',
                          'M_PIC_CLICK: ' + self.first_thing_name)
        with open(log, encoding='utf-8', errors='replace') as text:
            if 'not an Ogg Vorbis file' in text.read():
                raise Failure('the page could not decode its sounds (%s)' % log)
        starts = self.browser.evaluate('window.frameStarts')
        web = (starts[last] - starts[first]) / (last - first)
        short = self.desktop('desktop_timing_short', *level, '-frames', str(first + 1))
        long = self.desktop('desktop_timing_long', *level, '-frames', str(last + 1))
        return web, (long - short) * 1000 / (last - first)

    def run(self):
        try:
            self.first_visit()
            self.second_visit()
            web_frame, desktop_frame = self.mouse_visit()
        finally:
            self.browser.close()
            self.server.shutdown()
        wasm = os.path.getsize(os.path.join(self.options.web, 'vandrell.wasm'))
        build = self.options.desktop_kind
        print('web: vandrell.wasm %.2f MB' % (wasm / 1e6))
        print('web: downloaded before the title shows %.2f MB (goal under 25 MB)' % (self.bytes_to_title / 1e6))
        print('web: first scene %.2f ms a frame in headless Chromium, %.2f ms on the desktop\'s software back end '
              '(%s build): %.2f x (goal within 2 x)' % (web_frame, desktop_frame, build, web_frame / desktop_frame))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--web', required=True, help='the web build folder')
    parser.add_argument('--desktop', required=True, help='a desktop build folder with vandrell and compare_images')
    parser.add_argument('--desktop-kind', default='Release', help='how the desktop program was built')
    parser.add_argument('--source', required=True, help='the source tree')
    parser.add_argument('--work', required=True, help='a scratch folder')
    options = parser.parse_args()
    try:
        Smoke(options).run()
    except (Failure, subprocess.CalledProcessError) as error:
        print('web smoke test failed: %s' % error, file=sys.stderr)
        return 1
    print('web smoke test passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
