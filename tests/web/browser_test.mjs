// The browser build played in headless Chromium over the DevTools protocol: the page loads and
// shows the main menu and the credits as the desktop draws them; every key of the game reaches it
// as the desktop's SDL names it; a 40-lines game of I pieces is played, heard, to its finish and
// kept (record, replay, screenshot) in the browser's store; the settings saved from the options
// survive a reload. The game's replay, chosen as a file, plays to the same finish, whose screen,
// saved with a column's key held, is left for the desktop to check; a broken one is kept apart and
// said to be broken, and no other file is taken for a replay.
//   node --experimental-websocket tests/web/browser_test.mjs WEB_FOLDER DESKTOP_SCREENS OUT
// WEB_FOLDER is tools/build-web's output, DESKTOP_SCREENS what `tapfall_framebench --save` wrote;
// the replay and that screen are written to OUT as finish.replay and finish.bmp.
import { spawn } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

const [webFolder, desktopScreens, out] = process.argv.slice(2);
const PLAYER = "/data/tapfall";  // the player's folder, which the page keeps in IndexedDB
// The game's first frame stands on the canvas.
const READY = "performance.getEntriesByName('first frame').length > 0";
const readyAt = async () => Math.round(await evaluate("performance.getEntriesByName('first frame')[0].startTime"));
let failures = 0;
const check = (ok, what) => {
  console.log(`${ok ? "ok" : "FAILED"}: ${what}`);
  failures += !ok;
};
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The page's folder, served on a port of the loopback interface.
const server = spawn("python3", ["-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", webFolder]);
const address = await new Promise((resolve) => server.stdout.on("data", (data) => {
  const found = String(data).match(/port (\d+)/);
  if (found) resolve(`http://127.0.0.1:${found[1]}/`);
}));

// Chromium with a profile of its own, and one page driven through the browser's DevTools socket.
const profile = fs.mkdtempSync(path.join(os.tmpdir(), "tapfall-chromium-"));
const chromium = spawn("chromium", ["--headless", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
  // A player's page has had a key before any sound, which lets it play sounds.
  "--autoplay-policy=no-user-gesture-required", "--remote-debugging-port=0", `--user-data-dir=${profile}`,
  "--window-size=800,600", "about:blank"], { detached: true });  // a process group of its own, ended whole
const chromiumEnded = new Promise((resolve) => chromium.on("exit", resolve));
const socketAddress = await new Promise((resolve, reject) => {
  let text = "";
  chromium.stderr.on("data", (data) => {
    const found = (text += data).match(/DevTools listening on (ws:\S+)/);
    if (found) resolve(found[1]);
  });
  chromium.on("exit", () => reject(new Error("chromium ended: " + text)));
});
const socket = new WebSocket(socketAddress);
await new Promise((resolve) => socket.addEventListener("open", resolve));
let lastId = 0;
const waiting = new Map();
const traced = [];
socket.addEventListener("message", (event) => {
  const message = JSON.parse(event.data);
  if (waiting.has(message.id)) waiting.get(message.id)(message), waiting.delete(message.id);
  if (message.method === "Tracing.dataCollected") traced.push(...message.params.value);
  if (message.method === "Tracing.tracingComplete") traced.complete();
});
const send = (method, params = {}, sessionId) => new Promise((resolve, reject) => {
  const id = ++lastId;
  waiting.set(id, (message) => (message.error ? reject(new Error(`${method}: ${message.error.message}`)) : resolve(message.result)));
  socket.send(JSON.stringify({ id, method, params, sessionId }));
});
const { targetId } = await send("Target.createTarget", { url: "about:blank" });
const { sessionId } = await send("Target.attachToTarget", { targetId, flatten: true });
const page = (method, params) => send(method, params, sessionId);
const evaluate = async (expression) =>
  (await page("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true })).result.value;
// A file of the player's folder, as text; the names in it.
const playerFile = (name) => evaluate(`Module.FS.readFile("${PLAYER}/" + ${name}, { encoding: "utf8" })`);
const playerFiles = `Module.FS.readdir("${PLAYER}")`;
// A file chosen in the page's "Watch a replay".
const choose = async (file) => page("DOM.setFileInputFiles", { files: [file],
  objectId: (await page("Runtime.evaluate", { expression: "document.getElementById('replay')" })).result.objectId });
const until = async (expression, ms = 20000) => {
  for (const end = Date.now() + ms; Date.now() < end; await sleep(50)) if (await evaluate(expression)) return true;
  return false;
};
// Every sound the page starts is counted.
await page("Page.enable");
await page("Page.addScriptToEvaluateOnNewDocument", { source: `window.sounds = 0;
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...times) { ++window.sounds; return start.apply(this, times); };` });
await page("Emulation.setDeviceMetricsOverride", { width: 800, height: 600, deviceScaleFactor: 1, mobile: false });

// Keys as a browser reports them: the key, and the key code Emscripten's SDL maps to its own.
const KEYS = { Enter: 13, Escape: 27, ArrowDown: 40, ArrowUp: 38, F2: 113, Backspace: 8, " ": 32, ";": 186, ",": 188, ".": 190, "/": 191 };
// The keys a game takes, but Backspace: the forty columns' keys and the hold key.
const GAME_KEYS = [..."1234567890qwertyuiopasdfghjkl;zxcvbnm,./ "];
const hold = (key, type = "keyDown") => page("Input.dispatchKeyEvent",
  { type, key, windowsVirtualKeyCode: KEYS[key] ?? key.toUpperCase().charCodeAt(0), text: key.length === 1 && type === "keyDown" ? key : undefined });
const press = async (...keys) => {
  for (const key of keys) await hold(key), await hold(key, "keyUp"), await sleep(20);
};

// How many pixels of the canvas, as the page shows it, differ from the desktop's picture of the
// same screen; the browser decodes both pictures.
const differingFromDesktop = async (name) => {
  const box = await evaluate("(() => { const r = canvas.getBoundingClientRect(); return [r.x, r.y]; })()");
  const { data } = await page("Page.captureScreenshot", { format: "png", clip: { x: box[0], y: box[1], width: 640, height: 480, scale: 1 } });
  const bmp = fs.readFileSync(path.join(desktopScreens, name)).toString("base64");
  return evaluate(`Promise.all(["data:image/png;base64,${data}", "data:image/bmp;base64,${bmp}"].map(async (url) => {
    const picture = new Image();
    picture.src = url;
    await picture.decode();
    const context = Object.assign(document.createElement("canvas"), { width: 640, height: 480 }).getContext("2d");
    context.drawImage(picture, 0, 0);
    return context.getImageData(0, 0, 640, 480).data;
  })).then(([shown, desktop]) => shown.filter((value, i) => value !== desktop[i]).length)`);
};

try {
  await page("Page.navigate", { url: address });
  check(await until(READY), "the page is ready");
  // The page's own clock starts as the browser starts to open it.
  console.log(`ready to play ${await readyAt()} ms after opening`);
  await sleep(500);
  await press("ArrowDown");
  await sleep(300);
  check((await differingFromDesktop("main.bmp")) === 0, "the main menu shows as on the desktop");
  await press("ArrowDown", "Enter");
  await sleep(300);
  check((await differingFromDesktop("credits.bmp")) === 0, "the credits show as on the desktop");
  await press("Escape", "ArrowUp", "ArrowUp");

  // A 40-lines practice game of I pieces under 40-Key: every key of the game first, each drop
  // taken back with Backspace; then each key of the upper row stands one upright in its column,
  // and ten passes over the row clear forty lines. The settings are the player's file, kept in
  // the browser's store over a reload.
  await evaluate(`new Promise((done) => { Module.FS.mkdirTree("${PLAYER}");
    Module.FS.writeFile("${PLAYER}/TapFall.ini", "Randomizer=I-Cheat\\nInputType=40-Key\\nPracticeMode=TRUE\\n");
    Module.FS.syncfs(false, done); })`);
  await page("Page.reload");
  check(await until(READY), "the page is ready again");
  console.log(`ready to play ${await readyAt()} ms after opening it again`);
  await press("Enter");
  await sleep(3500);  // the countdown
  check(await evaluate("window.sounds") === 5, "the game's start, the countdown's three beats and its end are heard");
  for (const key of GAME_KEYS) await press(key, "Backspace");
  // How long the game's frames take, over the game.
  await page("Tracing.start", { categories: "devtools.timeline", transferMode: "ReportEvents" });
  for (let pass = 0; pass < 10; ++pass) await press(..."qwertyuiop");
  await sleep(500);
  check(await evaluate("window.sounds") > 5 + 100, "the hundred drops are heard");
  await new Promise((resolve) => (traced.complete = resolve, page("Tracing.end")));
  // The game's frames, each run in an animation frame of the page: how long each takes.
  const frames = traced.filter((e) => e.name === "FireAnimationFrame" && e.dur).map((e) => e.dur / 1000).sort((a, b) => a - b);
  const at = (share) => frames[Math.min(frames.length - 1, Math.floor(share * frames.length))].toFixed(2);
  console.log(`frames: ${frames.length}, median ${at(0.5)} ms, 99th percentile ${at(0.99)} ms, longest ${at(1)} ms`);
  const replayName = `${playerFiles}.find((name) => name.endsWith(".replay"))`;
  check(await until(replayName, 10000), "the finished game's replay is kept");
  const replay = await evaluate(replayName), text = await playerFile(`"${replay}"`);
  const codes = new Set(text.match(/^press=\d+ \d+$/gm).map((line) => Number(line.split(" ")[1])));
  check(codes.size === GAME_KEYS.length + 1 && [...GAME_KEYS, "\b"].every((key) => codes.has(key.charCodeAt(0))),
    "every key reaches the game as the desktop's: " + [...codes].join(" "));
  const records = await playerFile(`"TapFall-records.csv"`);
  check(/\n\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,40Lines,40-Key,I-Cheat,[^,]+,FALSE,TRUE,[\d.]+,[\d.]+,100,40,141,/.test(records), "the record line: " + records.split("\n")[1]);
  check(await until(`${playerFiles}.some((name) => /_40-Key_40Lines_\\d+_\\d{3}s\\.bmp$/.test(name))`, 5000), "the finished screen is saved");

  // The options: the game mode stepped on to 2 Minutes, and "Save Settings", two lines up; the
  // page keeps the file over a reload, and the game reads it back.
  await press("Escape", "ArrowDown", "Enter", "Enter", "ArrowUp", "ArrowUp", "Enter");
  const saved = async () => (await sleep(1500), playerFile(`"TapFall.ini"`));
  check((await saved()).includes("\nGameMode=2Minutes\n"), "the settings are saved");
  await page("Page.reload");
  check(await until(READY), "the page is ready after a reload");
  check((await saved()).includes("\nGameMode=2Minutes\nHoldAllowed=TRUE\n"), "the saved settings survive a reload");

  // The game's replay, chosen as a file, plays to the same finish; Escape leaves it, and the page
  // offers to play again.
  const chosen = path.join(profile, replay);
  fs.writeFileSync(chosen, text);
  await choose(chosen);
  check(await until(`location.search === "?replay=${encodeURIComponent(replay)}" && ${READY}`), "the chosen replay opens");
  await sleep(3000 + 1000 * Number(records.split("\n")[1].split(",")[7]) + 2000);  // the countdown, the game, and more
  await page("Page.bringToFront");
  await evaluate("document.activeElement.blur(), canvas.focus()");
  await hold("f"), await press("F2"), await hold("f", "keyUp");
  const shot = `${playerFiles}.filter((name) => name.startsWith("${replay.replace(".replay", "_")}"))[0]`;
  check(await until(shot, 5000), "the replay reaches the same finish, and its screen is saved beside it");
  fs.copyFileSync(chosen, path.join(out, "finish.replay"));
  fs.writeFileSync(path.join(out, "finish.bmp"), Buffer.from(await evaluate(`Array.from(Module.FS.readFile("${PLAYER}/" + ${shot}))`)));
  await press("Escape");
  check(await until("getComputedStyle(document.getElementById('again')).display !== 'none' && statusLine.textContent === 'Tapfall has ended.'", 10000),
    "leaving it offers to play again: " + await evaluate("statusLine.textContent"));

  // A replay of the same name that the game cannot read is kept beside the player's, not over
  // it, and the page says what is wrong with it.
  fs.appendFileSync(chosen, "press=\n");
  await choose(chosen);
  const second = replay.replace(".replay", "_2.replay");
  check(await until(`location.search === "?replay=${encodeURIComponent(second)}" && statusLine.textContent.startsWith("tapfall: ${PLAYER}/${second}:")`),
    "a broken replay is kept apart and said to be broken: " + await evaluate("statusLine.textContent"));
  check((await playerFile(`"${replay}"`)) === text, "the player's replay is as it was");
  // Nor is any other file of the player's taken over.
  const notReplay = path.join(profile, "TapFall-records.csv");
  fs.writeFileSync(notReplay, "nothing\n");
  await choose(notReplay);
  check(await until(`statusLine.textContent.endsWith("is not a replay: its name does not end in .replay") && Module.FS.readFile("${PLAYER}/TapFall-records.csv", { encoding: "utf8" }) === ${JSON.stringify(records)}`),
    "a file that is not a replay is not taken");
} finally {
  if (chromium.exitCode === null) process.kill(-chromium.pid);
  await chromiumEnded;
  server.kill();
  fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10 });
}
console.log(failures ? `${failures} failed` : "all passed");
process.exit(failures ? 1 : 0);
