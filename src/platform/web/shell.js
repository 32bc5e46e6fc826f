// The page side of the web back end, run before the program (Emscripten's
// pre-js). It fetches the game's content with progress, keeps the per-user
// folder in the browser's IndexedDB, fits the canvas to the page, and hands
// the pointer and the keys to the program (web_events.cpp).
//
// The page (index.html) may give Module these, all optional:
//   setProgress(loaded, total)  bytes of content arrived so far
//   setStatus(text)             what the page is doing, "" when the game runs
//   onMessage(text, serious)    a message of the game's for the player
//   onEnded(code)               the program ended with this exit code
// Module.arguments are the game's switches.

// The program reads its content from its own folder, and keeps each player's
// files below HOME (/home/web_user): that folder lives on in IndexedDB.
Module.thisProgram = '/vandrell/vandrell';
var VANDRELL_USER_ROOT = '/home/web_user/.local/share';

// The content is fetched while the program itself downloads and compiles.
var vandrellContent = (async function() {
  var listing = await fetch('content.json');
  if (!listing.ok) throw new Error('content.json: ' + listing.status);
  var files = await listing.json();
  var total = files.reduce(function(sum, file) { return sum + file.size; }, 0);
  var loaded = 0;
  if (Module.setProgress) Module.setProgress(0, total);
  return Promise.all(files.map(async function(file) {
    var response = await fetch(file.name);
    if (!response.ok) throw new Error(file.name + ': ' + response.status);
    var bytes = new Uint8Array(file.size);
    var filled = 0;
    var reader = response.body.getReader();
    for (;;) {
      var part = await reader.read();
      if (part.done) break;
      if (filled + part.value.length > bytes.length) throw new Error(file.name + ': larger than listed');
      bytes.set(part.value, filled);
      filled += part.value.length;
      loaded += part.value.length;
      if (Module.setProgress) Module.setProgress(loaded, total);
    }
    return {name: file.name, bytes: bytes.subarray(0, filled)};
  }));
})();

Module.preRun = [].concat(Module.preRun || []);
Module.preRun.push(function() {
  addRunDependency('vandrell-content');
  vandrellContent.then(function(files) {
    FS.mkdirTree('/vandrell');
    files.forEach(function(file) { FS.writeFile('/vandrell/' + file.name, file.bytes, {canOwn: true}); });
    removeRunDependency('vandrell-content');
  }, function(error) {
    if (Module.setStatus) Module.setStatus('The game could not load its content (' + error.message + ').');
  });

  FS.mkdirTree(VANDRELL_USER_ROOT);
  FS.mount(IDBFS, {}, VANDRELL_USER_ROOT);
  addRunDependency('vandrell-user');
  FS.syncfs(true, function(error) {
    if (error) console.warn('The saved games could not be read from the browser:', error);
    removeRunDependency('vandrell-user');
  });
  vandrellWatchUserFolder();
});

// Every change below the user folder is written through to IndexedDB once
// the frame that made it is over; a change during a write waits for the
// next one. The file system's own calls that change something are watched.
function vandrellWatchUserFolder() {
  var writing = false, again = false, scheduled = false;
  function persist() {
    if (writing) { again = true; return; }
    writing = true;
    FS.syncfs(false, function(error) {
      if (error) console.warn('The saved games could not be kept in the browser:', error);
      writing = false;
      if (again) { again = false; persist(); }
    });
  }
  function changed(path) {
    if (scheduled || !path || path.indexOf(VANDRELL_USER_ROOT + '/') != 0) return;
    scheduled = true;
    setTimeout(function() { scheduled = false; persist(); }, 0);
  }
  function watch(name, changedPath) {
    var original = FS[name];
    FS[name] = function() {
      var result = original.apply(FS, arguments);
      changed(changedPath.apply(null, arguments));
      return result;
    };
  }
  watch('close', function(stream) { return stream.flags & 3 /* written to */ ? stream.path : ''; });
  watch('rename', function(from, to) { return to; });
  watch('unlink', function(path) { return path; });
  watch('rmdir', function(path) { return path; });
  watch('mkdir', function(path) { return path; });
  Module.vandrellPersisting = function() { return writing || scheduled; };
}

// The canvas keeps the game's size in pixels and is scaled to the largest
// size that fits the page, its aspect kept, centred.
Module.vandrellFit = function() {
  var canvas = Module.canvas;
  var box = canvas.parentElement.getBoundingClientRect();
  var scale = Math.min(box.width / canvas.width, box.height / canvas.height);
  canvas.style.width = Math.floor(canvas.width * scale) + 'px';
  canvas.style.height = Math.floor(canvas.height * scale) + 'px';
};
window.addEventListener('resize', function() { Module.vandrellFit(); });
document.addEventListener('fullscreenchange', function() { Module.vandrellFit(); });

// Full screen is granted only while the player acts: a request made at
// another time waits for the next click or key.
var vandrellWantFullscreen = false;
function vandrellApplyFullscreen() {
  var page = document.documentElement;
  if (vandrellWantFullscreen && !document.fullscreenElement && page.requestFullscreen) {
    page.requestFullscreen().catch(function() {});
  } else if (!vandrellWantFullscreen && document.fullscreenElement) {
    document.exitFullscreen().catch(function() {});
  }
}
Module.vandrellCanvasResized = function(fullscreen) {
  vandrellWantFullscreen = !!fullscreen;
  Module.vandrellFit();
  if (navigator.userActivation && navigator.userActivation.isActive) vandrellApplyFullscreen();
};

// Browsers start sound only after the player has acted on the page.
function vandrellPlayerActed() {
  if (typeof AL == 'object' && AL.contexts) {
    for (var id in AL.contexts) {
      var context = AL.contexts[id];
      if (context && context.audioCtx && context.audioCtx.state == 'suspended') context.audioCtx.resume();
    }
  }
  vandrellApplyFullscreen();
}

Module.vandrellPointer = function(shape) { Module.canvas.style.cursor = shape; };

Module.vandrellMessage = function(text, serious) {
  if (Module.onMessage) Module.onMessage(text, !!serious);
};

Module.vandrellEnded = function(code) {
  Module.vandrellExitCode = code;
  Module.vandrellListen(false);
  if (Module.onEnded) Module.onEnded(code);
};

// Pointer and keys, in canvas pixels and the DOM's key codes.
var vandrellListeners = null;
Module.vandrellListen = function(on) {
  var canvas = Module.canvas;
  if (vandrellListeners) {
    vandrellListeners.forEach(function(l) { l[0].removeEventListener(l[1], l[2]); });
    vandrellListeners = null;
  }
  if (!on) return;
  function mods(e) {
    return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0) | (e.metaKey ? 8 : 0);
  }
  function pointer(kind) {
    return function(e) {
      if (!e.isPrimary) return;
      var box = canvas.getBoundingClientRect();
      var x = Math.floor((e.clientX - box.left) * canvas.width / box.width);
      var y = Math.floor((e.clientY - box.top) * canvas.height / box.height);
      if (kind == 1) {
        canvas.setPointerCapture(e.pointerId);
        vandrellPlayerActed();
      }
      Module._vandrell_web_pointer(kind, e.button, mods(e), x, y);
      e.preventDefault();
    };
  }
  function wheel(e) {
    if (e.deltaY) Module._vandrell_web_wheel(e.deltaY < 0 ? 1 : -1, mods(e));
    e.preventDefault();
  }
  function key(down) {
    return function(e) {
      // The browser keeps its own keys: full screen, developer tools, and
      // whatever is held with Control or Command.
      if (e.keyCode == 122 || e.keyCode == 123 || e.ctrlKey || e.metaKey) return;
      if (down) vandrellPlayerActed();
      var character = e.key && [...e.key].length == 1 ? e.key.codePointAt(0) : 0;
      Module._vandrell_web_key(down ? 1 : 0, e.keyCode, e.location, e.repeat ? 1 : 0, character, mods(e));
      e.preventDefault();
    };
  }
  vandrellListeners = [
    [canvas, 'pointerdown', pointer(1)], [canvas, 'pointermove', pointer(0)], [canvas, 'pointerup', pointer(2)],
    [canvas, 'wheel', wheel], [canvas, 'contextmenu', function(e) { e.preventDefault(); }],
    [window, 'keydown', key(true)], [window, 'keyup', key(false)],
  ];
  vandrellListeners.forEach(function(l) { l[0].addEventListener(l[1], l[2], {passive: false}); });
};
