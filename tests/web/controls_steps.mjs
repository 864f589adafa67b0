// The page's controls without a keyboard: touch controls at phone sizes
// (portrait and landscape: everything inside the viewport, nothing
// overlapping, nothing scrolling; a tap starts the game; one finger steers
// while another fires) and a stub gamepad put in before the page's script
// runs (title to play, gears, fire, pause). Screenshots of the touch layout
// go to the output folder given.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { boxDigest, holds, openPage, sleep, waitForChange, waitForColour, waitForNoColour } from './page_helper.mjs';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// The opaque pixels of a 24-bit picture of the game's, as [dx, dy, r, g, b]
// (magenta is transparent), to find it on the canvas.
function spriteOf(file) {
    const bytes = readFileSync(path.join(repository, 'data/gfx', file));
    const offset = bytes.readUInt32LE(10);
    const width = bytes.readInt32LE(18);
    const height = bytes.readInt32LE(22);
    const stride = Math.ceil((width * 3) / 4) * 4;
    const pixels = [];
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            const at = offset + (height - 1 - y) * stride + x * 3;
            const [b, g, r] = [bytes[at], bytes[at + 1], bytes[at + 2]];
            if (!(r === 255 && g === 0 && b === 255)) pixels.push([x, y, r, g, b]);
        }
    }
    return { width, height, pixels };
}

const kCar = spriteOf('car.bmp');
const kShot = spriteOf('shot.bmp');
const kCarStart = { x: 192, y: 320 };

// Where the sprite shows in the box (top-left corners searched), or null:
// nine in ten of its opaque pixels exactly as drawn.
const findSprite = (page, sprite, box) => page.evaluate((s, b) => {
    const canvas = document.getElementById('screen');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const needed = Math.ceil(s.pixels.length * 0.9);
    for (let y = b.y; y <= b.y + b.height; ++y) {
        for (let x = b.x; x <= b.x + b.width; ++x) {
            let misses = 0;
            for (const [dx, dy, r, g, bl] of s.pixels) {
                const i = ((y + dy) * canvas.width + x + dx) * 4;
                if (data[i] !== r || data[i + 1] !== g || data[i + 2] !== bl) {
                    if (++misses > s.pixels.length - needed) break;
                }
            }
            if (misses <= s.pixels.length - needed) return { x, y };
        }
    }
    return null;
}, sprite, box);

const carRow = { x: 0, y: kCarStart.y, width: 640 - kCar.width, height: 0 };
const aboveCar = { x: 0, y: 0, width: 640 - kShot.width, height: kCarStart.y - kShot.height };

async function waitForSprite(page, sprite, box, accept, what, timeout = 3000) {
    const end = Date.now() + timeout;
    let found = null;
    while (Date.now() < end) {
        found = await findSprite(page, sprite, box);
        if (found && accept(found)) return found;
        await sleep(20);
    }
    throw new Error(`${what} (last seen at ${JSON.stringify(found)})`);
}

// Every control shown and the picture: inside the viewport, at least 48
// CSS pixels each way, no two overlapping; and the page does not scroll.
async function checkLayout(page) {
    const problems = await page.evaluate(() => {
        const found = [];
        const boxes = [...document.querySelectorAll('.controls button, #bar button')]
            .filter((button) => getComputedStyle(button).visibility === 'visible' && !button.hidden)
            .map((button) => ({ name: button.title || button.id, rect: button.getBoundingClientRect() }));
        if (boxes.length === 0) found.push('no controls shown');
        for (const { name, rect } of boxes) {
            if (rect.width < 48 || rect.height < 48) found.push(`${name} is ${rect.width}x${rect.height}`);
        }
        boxes.push({ name: 'the picture', rect: document.getElementById('screen').getBoundingClientRect() });
        for (const { name, rect } of boxes) {
            if (rect.left < 0 || rect.top < 0 || rect.right > innerWidth || rect.bottom > innerHeight) {
                found.push(`${name} leaves the viewport`);
            }
        }
        for (let i = 0; i < boxes.length; ++i) {
            for (let j = i + 1; j < boxes.length; ++j) {
                const [a, b] = [boxes[i].rect, boxes[j].rect];
                if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
                    found.push(`${boxes[i].name} overlaps ${boxes[j].name}`);
                }
            }
        }
        const root = document.scrollingElement;
        if (root.scrollWidth > innerWidth || root.scrollHeight > innerHeight) found.push('the page scrolls');
        return found;
    });
    if (problems.length > 0) throw new Error(problems.join('; '));
}

// Fingers on the screen through the browser's own touch input: each call
// gives every finger down now (none lifts them all).
function fingers(page) {
    let session;
    return async (points) => {
        session ??= await page.createCDPSession();
        const touchPoints = points.map(([x, y], id) => ({ x, y, id }));
        await session.send('Input.dispatchTouchEvent',
                           { type: points.length > 0 ? 'touchStart' : 'touchEnd', touchPoints });
    };
}

async function centreOf(page, selector) {
    return page.$eval(selector, (element) => {
        const rect = element.getBoundingClientRect();
        return [rect.left + rect.width / 2, rect.top + rect.height / 2];
    });
}

const kTitleDot = { x: 100, y: 40, width: 1, height: 1 };
const kTitleBlue = [0, 0, 100];
const kScoreLabel = { x: 528, y: 16, width: 64, height: 16 };
const kLabelGreen = [0, 255, 0];
const kRoadside = { x: 0, y: 0, width: 24, height: 480 };

export function addControlSteps(step, outputFolder) {
    const phones = [
        { name: 'portrait', width: 360, height: 740 },
        { name: 'landscape', width: 740, height: 360 },
    ];
    for (const phone of phones) {
        step(`touch, phone ${phone.name}: laid out in the viewport; taps start the game; steer while firing`,
             async ({ browser, url }) => {
            const problems = [];
            const page = await openPage(browser, problems);
            await page.setViewport({ width: phone.width, height: phone.height, deviceScaleFactor: 2,
                                     isMobile: true, hasTouch: true });
            const touch = fingers(page);
            const tap = async (selector) => {
                await touch([await centreOf(page, selector)]);
                await sleep(30);
                await touch([]);
            };
            await page.goto(url);
            await waitForColour(page, kTitleDot, kTitleBlue);
            await tap('#screen');
            await waitForNoColour(page, kTitleDot, kTitleBlue);
            await checkLayout(page);
            await page.screenshot({ path: path.join(outputFolder, `touch-${phone.name}-still.png`) });
            await tap('#screen');
            await waitForColour(page, kScoreLabel, kLabelGreen, 5000);
            await page.waitForFunction(() => document.body.dataset.play === 'yes', { timeout: 2000 });
            await checkLayout(page);
            await waitForSprite(page, kCar, carRow, (at) => at.x === kCarStart.x, 'the car is not at its start');
            await tap('[title="Gear up"]');
            await waitForChange(page, kRoadside, await boxDigest(page, kRoadside));
            const steer = await centreOf(page, '[title="Steer right"]');
            const fire = await centreOf(page, '[title="Fire"]');
            await touch([steer]);
            await touch([steer, fire]);
            await waitForSprite(page, kShot, aboveCar, () => true, 'no shot while steering');
            await waitForSprite(page, kCar, carRow, (at) => at.x > kCarStart.x, 'the car did not move right');
            await page.screenshot({ path: path.join(outputFolder, `touch-${phone.name}-play.png`) });
            await touch([]);
            await tap('#touch-back');
            await waitForColour(page, kTitleDot, kTitleBlue, 5000);
            await page.close();
            if (problems.length > 0) throw new Error(problems.join('; '));
        });
    }

    step('a gamepad takes the game from the title into play, changes gear, fires and pauses',
         async ({ browser, url }) => {
        const problems = [];
        const page = await openPage(browser, problems);
        await page.setViewport({ width: 800, height: 640 });
        await page.evaluateOnNewDocument(() => {
            const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
            window.stubPad = { index: 0, id: 'stub pad', connected: true, mapping: 'standard', timestamp: 0,
                               axes: [0, 0, 0, 0], buttons };
            navigator.getGamepads = () => [window.stubPad, null, null, null];
        });
        await page.goto(url);
        await waitForColour(page, kTitleDot, kTitleBlue);
        await page.evaluate(() => {
            const event = new Event('gamepadconnected');
            event.gamepad = window.stubPad;
            window.dispatchEvent(event);
        });
        const press = async (button, ms = 80) => {
            await page.evaluate((i) => Object.assign(stubPad.buttons[i], { pressed: true, value: 1 }), button);
            await sleep(ms);
            await page.evaluate((i) => Object.assign(stubPad.buttons[i], { pressed: false, value: 0 }), button);
            await sleep(40);
        };
        // While the page is not attended the pad feeds nothing.
        await page.evaluate(() => window.dispatchEvent(new Event('blur')));
        await press(0, 150);
        await sleep(200);
        if (!(await holds(page, kTitleDot, kTitleBlue))) throw new Error('A was taken while unattended');
        // A pass with the focus back and A up, then a fresh press.
        await page.evaluate(() => window.dispatchEvent(new Event('focus')));
        await sleep(100);
        await press(0);
        await waitForNoColour(page, kTitleDot, kTitleBlue);
        await press(9);
        await waitForColour(page, kScoreLabel, kLabelGreen, 5000);
        // The stick pushed up beyond the press travel, then back: one gear.
        const still = await boxDigest(page, kRoadside);
        await page.evaluate(() => { stubPad.axes[1] = -0.8; });
        await sleep(80);
        await page.evaluate(() => { stubPad.axes[1] = -0.5; });
        await sleep(80);
        await page.evaluate(() => { stubPad.axes[1] = 0; });
        await waitForChange(page, kRoadside, still);
        await press(0, 150);
        await waitForSprite(page, kShot, aboveCar, () => true, 'A fired no shot');
        await press(9);
        await page.waitForFunction(() => !document.getElementById('paused').hidden, { timeout: 2000 });
        const paused = await boxDigest(page, kRoadside);
        await sleep(300);
        if ((await boxDigest(page, kRoadside)) !== paused) throw new Error('the road moved while paused');
        await press(9);
        await waitForChange(page, kRoadside, paused);
        await press(8, 150);
        await waitForColour(page, kTitleDot, kTitleBlue, 5000);
        if (await holds(page, kScoreLabel, kLabelGreen)) throw new Error('the HUD stayed');
        await page.close();
        if (problems.length > 0) throw new Error(problems.join('; '));
    });

    // The recording's first game takes hits, then the car is destroyed about
    // nine seconds in; played back, its sound events reach the pad's rumble.
    step('a gamepad rumbles briefly on a hit and longer when the car is destroyed', async ({ browser, url }) => {
        const recording = readFileSync(path.join(repository, 'bench/data/ten-minutes.krp'));
        const problems = [];
        const page = await openPage(browser, problems);
        await page.setRequestInterception(true);
        page.on('request', (request) => (request.url().endsWith('/replays/rumble.krp')
            ? request.respond({ contentType: 'application/octet-stream', body: recording })
            : request.continue()));
        await page.evaluateOnNewDocument(() => {
            window.rumbles = [];
            const vibrationActuator = {
                playEffect: (type, effect) => {
                    rumbles.push({ type, duration: effect.duration, strength: effect.strongMagnitude });
                    return Promise.resolve('complete');
                },
            };
            const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
            const pad = { index: 0, id: 'stub pad', connected: true, mapping: 'standard', timestamp: 0,
                          axes: [0, 0, 0, 0], buttons, vibrationActuator };
            navigator.getGamepads = () => [pad, null, null, null];
        });
        await page.goto(`${url}?replay=replays/rumble.krp`);
        await page.waitForFunction(() => rumbles.some((rumble) => rumble.duration > 500), { timeout: 20000 })
            .catch(() => { throw new Error('no long rumble within 20 s'); });
        const seen = await page.evaluate(() => rumbles);
        const long = seen.findIndex((rumble) => rumble.duration > 500);
        const hits = seen.slice(0, long);
        if (hits.length === 0 || !hits.every((rumble) => rumble.duration < seen[long].duration &&
                                                         rumble.strength < seen[long].strength)) {
            throw new Error(`rumbles: ${JSON.stringify(seen)}`);
        }
        if (!seen.every((rumble) => rumble.type === 'dual-rumble')) throw new Error(JSON.stringify(seen));
        await page.close();
        if (problems.length > 0) throw new Error(problems.join('; '));
    });
}
