// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook
// The whole picture on every screen, in both orientations, as large as the room beside the page's
// controls (touch.js) and the bar below lets it be; nothing of it is ever cut.
// Sharp where it can be: each of the picture's pixels a whole number of the screen's own (device)
// pixels, when that still fills three fifths of the room or more; otherwise (a phone in portrait,
// a window smaller than the picture) the room is filled, and the browser draws every pixel a
// square of nearly equal size (image-rendering: pixelated) rather than blurring it.
'use strict';
var kolvoFit = (function() {
  var WIDTH = 640, HEIGHT = 480;
  var SHARP_SHARE = 0.6;
  var stage = document.getElementById('stage');
  var canvas = document.getElementById('canvas');

  // The room an element takes, its margins included; none where it is not shown.
  function box(id) {
    var element = document.getElementById(id);
    if (!element || element.hidden || !element.offsetParent) return {width: 0, height: 0};
    var size = element.getBoundingClientRect(), style = getComputedStyle(element);
    return {width: size.width + parseFloat(style.marginLeft) + parseFloat(style.marginRight),
            height: size.height + parseFloat(style.marginTop) + parseFloat(style.marginBottom)};
  }

  function fit() {
    var width = window.innerWidth, height = window.innerHeight;
    var touch = window.matchMedia('(pointer: coarse)').matches || navigator.maxTouchPoints > 0;
    stage.classList.toggle('touch', touch);
    stage.classList.toggle('portrait', height > width);
    stage.classList.toggle('landscape', height <= width);
    // The controls shown take their room first: a row below the picture in portrait, a column on
    // either side of it in landscape. The gap is the grid's, on each side of the picture.
    var style = getComputedStyle(stage);
    var gap = touch ? parseFloat(style.columnGap) || 0 : 0;
    width -= parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    height -= parseFloat(style.paddingTop) + parseFloat(style.paddingBottom);
    var left = box('pad-left'), right = box('pad-right'), shared = box('pad-shared');
    if (height > width) {
      var row = Math.max(left.height, right.height, shared.height);
      if (row) height -= row + gap;
    } else {
      var sides = left.width + Math.max(right.width, shared.width);
      if (sides) width -= sides + 2 * gap;
    }
    height -= box('bar').height;
    var room = Math.max(0, Math.min(width / WIDTH, height / HEIGHT));
    var ratio = window.devicePixelRatio || 1;
    var whole = Math.floor(room * ratio);
    var scale = whole >= 1 && whole >= SHARP_SHARE * room * ratio ? whole / ratio : room;
    canvas.style.width = WIDTH * scale + 'px';
    canvas.style.height = HEIGHT * scale + 'px';
  }

  window.addEventListener('resize', fit);
  window.addEventListener('orientationchange', fit);
  document.addEventListener('fullscreenchange', fit);
  fit();
  return fit;
})();
