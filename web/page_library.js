// The program's calls into the page (web/browser.h), handed on to the page script's Page
// object (page.mjs). The two waits are Asyncify imports: the program unwinds to the browser
// and is woken where it left off.
mergeInto(LibraryManager.library, {
  page_yield__deps: ['$Asyncify'],
  page_yield: function () {
    return Asyncify.handleSleep(function (wakeUp) { Page.yieldOnce(wakeUp); });
  },
  page_wait__deps: ['$Asyncify'],
  page_wait: function (ms) {
    return Asyncify.handleSleep(function (wakeUp) { Page.wait(ms, wakeUp); });
  },
  page_take_input: function (fields) {
    var input = Page.takeInput();
    if (!input) {
      return 0;
    }
    HEAP32.set(input, fields >> 2);
    return 1;
  },
  page_now_days: function () {
    return Page.nowDays();
  },
  page_daily_seed: function () {
    return HallClient.dailySeed();
  },
  page_present: function (pixels, x, y, width, height) {
    Page.present(function () {
      return new Uint8ClampedArray(HEAPU8.buffer, pixels, Page.BOARD * Page.BOARD * 4);
    }, x, y, width, height);
  },
  page_set_icon: function (pixels, width, height) {
    Page.setIcon(HEAPU8.slice(pixels, pixels + width * height * 4), width, height);
  },
  page_show_readout: function (readout, caption, number) {
    Page.showReadout(readout, UTF8ToString(caption), UTF8ToString(number));
  },
  page_set_play_running: function (running, pauseCommand) {
    Page.setPlayRunning(running !== 0, pauseCommand);
  },
  page_add_command: function (command, caption, visible) {
    Page.addCommand(command, UTF8ToString(caption), visible !== 0);
  },
  page_set_caption: function (command, caption) {
    Page.setCaption(command, UTF8ToString(caption));
  },
  page_enable_command: function (command, enabled) {
    Page.enableCommand(command, enabled !== 0);
  },
  page_open_box: function (question, message, modal) {
    return Page.openBox(question !== 0, UTF8ToString(message), modal !== 0);
  },
  page_box_answer: function (box) {
    return Page.boxAnswer(box);
  },
  page_show_about: function () {
    Page.showAbout();
  },
  page_set_instructions_text: function (text) {
    Page.setInstructionsText(UTF8ToString(text));
  },
  page_show_instructions: function (rgb) {
    Page.showInstructions(rgb);
  },
  page_close: function () {
    Page.close();
  },
  page_wants_recording: function () {
    return Page.wantsRecording() ? 1 : 0;
  },
  page_local_date: function (text, size) {
    stringToUTF8(Page.localDate(), text, size);
  },
  page_record: function (lines) {
    Page.record(UTF8ToString(lines));
  },
  page_recording_ended: function () {
    Page.offerRecording();
  },
  page_close_box: function (box) {
    Page.closeBox(box);
  },
  page_open_verdict: function (verdict, differs) {
    return Page.openVerdict(UTF8ToString(verdict), differs !== 0);
  },
  page_hide_about: function () {
    Page.hideAbout();
  },
  page_hide_instructions: function () {
    Page.hideInstructions();
  },
  page_recording_restart: function () {
    Page.restartRecording();
  },
  page_will_watch: function () {
    return Page.willWatch() ? 1 : 0;
  },
  page_recording_length: function () {
    var recording = Page.openedRecording(false);
    return recording ? recording.bytes.length : 0;
  },
  page_take_recording: function (text, size, name, nameSize) {
    var recording = Page.openedRecording(true);
    if (recording) {
      HEAPU8.set(recording.bytes.subarray(0, size), text);
      stringToUTF8(recording.name, name, nameSize);
    }
  },
  page_refuse_recording: function (why) {
    Page.refuseRecording(UTF8ToString(why));
  },
  page_set_watching: function (watching) {
    Page.setWatching(watching !== 0);
  },
  page_show_watching: function (status) {
    Page.showWatching(JSON.parse(UTF8ToString(status)));
  },
  page_show_watch_keys: function () {
    Page.showWatchKeys();
  },
  // The program reads no environment: the C library asks for it as it starts, and finds it
  // empty, rather than built from the browser's language for nothing.
  environ_sizes_get: function (count, size) {
    HEAP32[count >> 2] = 0;
    HEAP32[size >> 2] = 0;
    return 0;
  },
  environ_get: function () {
    return 0;
  },
});
