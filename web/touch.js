// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook
// Kolvo by touch. The game tells the page which screen it shows (core/page_web.cpp calls
// Module.showControls with a PageControls value, in the order of core/page_edge.h), and the page
// offers what that screen takes: the playing controls, a tap for Return, or the device's own
// keyboard for the name. Every control stands for a key and acts through the key itself: the
// page's SDL listens to the document's key events, so a control held is its key held, read by the
// game's own rules (the same key windows, the same repeat) and nothing else.
// Loaded before kolvo.js: it also lets the sound start with the first touch.
'use strict';
var kolvoTouch = (function() {
  var POINTER = 0, RETURN = 1, SINGLE = 2, CHALLENGE = 3, NAME = 4;
  var KEY_BACKSPACE = 8, KEY_RETURN = 13, KEY_ESCAPE = 27;
  // Each control: its pad, its label (what a screen reader says), the key's code, its sign, and
  // the screens it is shown on. The single game's player moves with the left thumb and turns and
  // hurries with the right; in the challenge each player has the four on their own side.
  var CONTROLS = [
    ['left', 'Move left', 37, '\u25c0', [SINGLE]],
    ['left', 'Move right', 39, '\u25b6', [SINGLE]],
    ['right', 'Turn', 38, '\u21bb', [SINGLE]],
    ['right', 'Fall faster', 40, '\u25bc', [SINGLE]],
    ['left', 'Left player: Move left', 65, '\u25c0', [CHALLENGE]],
    ['left', 'Left player: Move right', 68, '\u25b6', [CHALLENGE]],
    ['left', 'Left player: Turn', 87, '\u21bb', [CHALLENGE]],
    ['left', 'Left player: Fall faster', 83, '\u25bc', [CHALLENGE]],
    ['right', 'Right player: Move left', 37, '\u25c0', [CHALLENGE]],
    ['right', 'Right player: Move right', 39, '\u25b6', [CHALLENGE]],
    ['right', 'Right player: Turn', 38, '\u21bb', [CHALLENGE]],
    ['right', 'Right player: Fall faster', 40, '\u25bc', [CHALLENGE]],
    ['shared', 'Pause', 80, '\u275a\u275a', [SINGLE, CHALLENGE]],
    ['shared', 'End the game', KEY_ESCAPE, '\u2715', [SINGLE, CHALLENGE]],
  ];
  var stage = document.getElementById('stage');
  var canvas = document.getElementById('canvas');
  var screen = POINTER;

  // A key event as SDL reads it: only its keyCode, and on a key press the character it types,
  // which SDL otherwise takes from the keypress event that follows a real one.
  function sendKey(type, keyCode, character) {
    var event = new KeyboardEvent(type, {bubbles: true, cancelable: true});
    Object.defineProperty(event, 'keyCode', {value: keyCode});
    if (character) event.keypressCharCode = character;
    document.dispatchEvent(event);
  }

  // A control is held while any finger (or the mouse) that pressed it stays down; each finger is
  // captured, so one sliding off still lets go where it is lifted.
  var pads = {}, buttons = [];
  function press(button, pointer) {
    if (button.pointers.size === 0) {
      sendKey('keydown', button.keyCode);
      button.classList.add('held');
    }
    button.pointers.add(pointer);
  }
  function lift(button, pointer) {
    if (!button.pointers.delete(pointer) || button.pointers.size > 0) return;
    sendKey('keyup', button.keyCode);
    button.classList.remove('held');
  }
  function liftAll() {
    buttons.forEach(function(button) {
      button.pointers.forEach(function(pointer) { lift(button, pointer); });
    });
  }

  ['left', 'shared', 'right'].forEach(function(side) {
    var pad = document.createElement('div');
    pad.id = 'pad-' + side;
    pad.className = 'pad';
    pad.dataset.side = side;
    pad.hidden = true;
    stage.appendChild(pad);
    pads[side] = pad;
  });
  CONTROLS.forEach(function(control) {
    var button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('aria-label', control[1]);
    button.textContent = control[3];
    button.keyCode = control[2];
    button.screens = control[4];
    button.pointers = new Set();
    button.hidden = true;
    button.addEventListener('pointerdown', function(event) {
      event.preventDefault();
      try { button.setPointerCapture(event.pointerId); } catch (e) { /* a pointer already gone */ }
      press(button, event.pointerId);
    });
    ['pointerup', 'pointercancel', 'lostpointercapture', 'pointerleave'].forEach(function(type) {
      button.addEventListener(type, function(event) { lift(button, event.pointerId); });
    });
    pads[control[0]].appendChild(button);
    buttons.push(button);
  });

  // Nothing stays held when the page is hidden or left, or loses the focus: SDL lets its keys go
  // then too.
  window.addEventListener('blur', liftAll);
  window.addEventListener('pagehide', liftAll);
  document.addEventListener('visibilitychange', function() {
    if (document.visibilityState === 'hidden') liftAll();
  });
  stage.addEventListener('contextmenu', function(event) { event.preventDefault(); });

  // The name entry: a text field out of sight, focused, brings up the device's keyboard. What is
  // typed, autocorrected or pasted into it goes to the game as keys: the characters that changed,
  // after as many Backspaces as the text lost. The game decides what a name takes and tells the
  // page its text after each key (Module.showText); the field is then set to it, so the two never
  // part for long.
  var field = document.createElement('input');
  field.id = 'name';
  field.type = 'text';
  field.setAttribute('aria-label', 'Your name');
  field.autocomplete = 'off';
  field.setAttribute('autocapitalize', 'words');
  field.spellcheck = false;
  field.enterKeyHint = 'done';
  field.tabIndex = -1;
  document.body.appendChild(field);
  var sent = '', waiting = 0, composing = false;
  function type(keyCode, character) {
    waiting += 1;
    sendKey('keydown', keyCode, character);
    sendKey('keyup', keyCode);
  }
  field.addEventListener('input', function() {
    var now = field.value, same = 0;
    while (same < now.length && same < sent.length && now[same] === sent[same]) same += 1;
    for (var i = sent.length; i > same; --i) type(KEY_BACKSPACE);
    for (var j = same; j < now.length; ++j) type(0, now.charCodeAt(j));
    sent = now;
  });
  field.addEventListener('compositionstart', function() { composing = true; });
  field.addEventListener('compositionend', function() { composing = false; });
  // The field's own keys never reach SDL on their own: what they type arrives through the input
  // event. Enter (or the keyboard's Done) confirms; Backspace in an empty field still deletes.
  field.addEventListener('keydown', function(event) {
    event.stopPropagation();
    if (event.key === 'Enter' || event.keyCode === KEY_RETURN) {
      event.preventDefault();
      type(KEY_RETURN);
    } else if ((event.key === 'Backspace' || event.keyCode === KEY_BACKSPACE) && !field.value) {
      type(KEY_BACKSPACE);
    } else if (event.key === 'Escape') {
      type(KEY_ESCAPE);
    }
  });
  field.addEventListener('keyup', function(event) { event.stopPropagation(); });
  field.addEventListener('keypress', function(event) { event.stopPropagation(); });
  function showText(text) {
    waiting = Math.max(0, waiting - 1);
    if (waiting === 0 && !composing && field.value !== text) field.value = sent = text;
  }
  function touchScreen() { return stage.classList.contains('touch'); }
  function askName() {
    if (screen === NAME && touchScreen()) field.focus({preventScroll: true});
  }

  // Where the game waits for a key, a tap on the picture is Return, held as long as the finger;
  // in the name entry it brings the keyboard back (as the finger is lifted: browsers raise the
  // keyboard for a person's gesture only). A mouse stays the pointer it always was.
  var tapping = null;
  canvas.addEventListener('pointerup', function(event) {
    if (event.pointerType !== 'mouse') askName();
  });
  canvas.addEventListener('pointerdown', function(event) {
    if (event.pointerType === 'mouse' || screen !== RETURN || tapping !== null) return;
    tapping = event.pointerId;
    sendKey('keydown', KEY_RETURN);
  });
  ['pointerup', 'pointercancel'].forEach(function(type) {
    canvas.addEventListener(type, function(event) {
      if (event.pointerId !== tapping) return;
      tapping = null;
      sendKey('keyup', KEY_RETURN);
    });
  });
  // Such a tap is Return alone, never also the mouse's press that emscripten's SDL makes of a
  // touch: the screen after it (the menu) would take the finger still down as a click on whatever
  // lies under it, and start a game nobody chose. A finger that began a tap is kept from the
  // game until it is lifted, whatever screen has come meanwhile.
  var tapTouches = {};
  ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function(type) {
    window.addEventListener(type, function(event) {
      if (event.target !== canvas) return;
      var kept = false;
      Array.prototype.forEach.call(event.changedTouches, function(touch) {
        if (type === 'touchstart' && screen === RETURN) tapTouches[touch.identifier] = true;
        kept = kept || tapTouches[touch.identifier];
        if (type === 'touchend' || type === 'touchcancel') delete tapTouches[touch.identifier];
      });
      if (!kept) return;
      event.stopPropagation();
      if (event.cancelable) event.preventDefault();
    }, {capture: true, passive: false});
  });

  // A challenger nobody plays by touch (a computer) shows none of their controls: hideSide('left'
  // or 'right', true) hides that side's pad in every challenge until hideSide(side, false). The
  // single game's two pads are both its one player's and stay.
  var hiddenSides = {};
  function hideSide(side, hidden) {
    hiddenSides[side] = hidden;
    showControls(screen);
  }

  function showControls(which) {
    liftAll();
    if (tapping !== null) {
      tapping = null;
      sendKey('keyup', KEY_RETURN);
    }
    screen = which;
    buttons.forEach(function(button) { button.hidden = button.screens.indexOf(which) < 0; });
    Object.keys(pads).forEach(function(side) {
      pads[side].hidden = (which === CHALLENGE && hiddenSides[side]) || !Array.prototype.some.call(
          pads[side].children, function(button) { return !button.hidden; });
    });
    if (which === NAME) {
      field.value = sent = '';
      waiting = 0;
      askName();
    } else if (document.activeElement === field) {
      field.blur();
    }
    if (typeof kolvoFit === 'function') kolvoFit();
  }

  // Browsers let a page make sound only after a person's gesture: every audio context the game
  // opens is resumed at the first touch, click or key after it.
  var contexts = [];
  ['AudioContext', 'webkitAudioContext'].forEach(function(name) {
    var Original = window[name];
    if (!Original) return;
    window[name] = class extends Original {
      constructor(options) {
        super(options);
        contexts.push(this);
      }
    };
  });
  ['pointerup', 'touchend', 'click', 'keydown'].forEach(function(type) {
    document.addEventListener(type, function() {
      contexts.forEach(function(context) { if (context.state === 'suspended') context.resume(); });
    }, true);
  });

  return {showControls: showControls, showText: showText, hideSide: hideSide};
})();
