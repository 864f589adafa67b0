// Plays the browser version in Debian's headless Chromium, as a player
// would: title, Get Ready, play, gears, back to the title, the end. Reads
// the canvas's pixels to see each screen, and fails on any console error.
//
// node browser_test.mjs <site folder> <modules folder> [--measure]
//   <site folder>     build/web (index.html, kestrway.js, .wasm, .data)
//   <modules folder>  where npm installed puppeteer-core (build/web-test)
//   --measure         also time the first title frame and the frame rate
import { mkdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { addAudioGestureStep, addAudioSteps } from './audio_steps.mjs';
import { addControlSteps } from './controls_steps.mjs';
import { addReplaySteps, downloadReplay, verifyDownloaded } from './replay_steps.mjs';
import { boxDigest, drawCount, holdKey, holds, openPage, runSteps, sleep, waitForChange, waitForChanges,
         waitForColour, waitForNoColour, withBrowser } from './page_helper.mjs';

const [siteFolder, modulesFolder, ...options] = process.argv.slice(2);
const measure = options.includes('--measure');

const kTitleBlue = [0, 0, 100];
const kLabelGreen = [0, 255, 0];
// A picture that could not be read keeps the colour it was made with.
const kBlankPicture = [100, 255, 100];
// Inside the title's border, above its logo: plain title blue.
const kTitleSpot = { x: 100, y: 40 };
// The HUD's "Score" label, and the bonus value under "Bonus".
const kScoreLabel = { x: 528, y: 16, width: 64, height: 16 };
const kBonusValue = { x: 528, y: 80, width: 64, height: 16 };
// Grass left of the road: still while the car stands, moving when it drives.
const kRoadside = { x: 0, y: 0, width: 24, height: 480 };

const kTitleDot = { ...kTitleSpot, width: 1, height: 1 };

const steps = [];
const step = (name, run) => steps.push({ name, run });
const context = { problems: [] };

// First, while no page of the site has had a key press, tap or click: a
// browser lets a site play sound once it has had one.
addAudioGestureStep(step);

step('the title screen appears', async ({ page, url }) => {
    await page.goto(url);
    await waitForColour(page, kTitleDot, kTitleBlue);
    context.firstTitleMs = await page.evaluate(() => performance.now());
});

step('Space shows Get Ready', async ({ page }) => {
    await page.keyboard.press('Space');
    await waitForNoColour(page, kTitleDot, kTitleBlue);
    if (await holds(page, kScoreLabel, kLabelGreen)) throw new Error('the HUD is up already');
});

step('Space starts play with the HUD', async ({ page }) => {
    await page.keyboard.press('Space');
    await waitForColour(page, kScoreLabel, kLabelGreen, 5000);
});

// The bonus falls once every 30 frames: two falls are at least 31 frames.
// The pictures counted then are what makes the held checks' count of none
// mean something.
step('the road stands still until a gear is chosen', async ({ page }) => {
    const before = await boxDigest(page, kRoadside);
    const drawn = await drawCount(page);
    await waitForChanges(page, kBonusValue, 2);
    if ((await drawCount(page)) < drawn + 2) throw new Error('the bonus changed with no picture counted');
    if ((await boxDigest(page, kRoadside)) !== before) throw new Error('the roadside moved with the car standing');
});

step('Up twice drives the car and scrolls the road', async ({ page }) => {
    await holdKey(page, 'ArrowUp', 100);
    await sleep(100);
    await holdKey(page, 'ArrowUp', 100);
    await waitForChange(page, kRoadside, await boxDigest(page, kRoadside));
});

const pausedLineShown = (page) => page.$eval('#paused', (element) => !element.hidden);

const waitForPausedLine = (page) =>
    page.waitForFunction(() => !document.getElementById('paused').hidden, { timeout: 2000 });

// A held game draws nothing: while away for as long as about a hundred
// frames would take, the bonus stands still and no picture is put.
async function checkHeld(page, heldMs, what) {
    const bonus = await boxDigest(page, kBonusValue);
    const drawn = await drawCount(page);
    await sleep(heldMs);
    if ((await boxDigest(page, kBonusValue)) !== bonus) throw new Error(`the bonus moved ${what}`);
    const drawnSince = (await drawCount(page)) - drawn;
    if (drawnSince !== 0) throw new Error(`${drawnSince} pictures drawn ${what}`);
    return bonus;
}

// P holds the frames (the bonus, which falls every 30 frames, stands still)
// under the page's "Paused" line; Escape is not taken meanwhile; P again
// and play goes on.
step('P pauses play, Escape is ignored while paused, P resumes', async ({ page }) => {
    await holdKey(page, 'KeyP', 50);
    await waitForPausedLine(page);
    await holdKey(page, 'Escape', 200);
    const bonus = await checkHeld(page, 800, 'while paused');
    if (!(await holds(page, kScoreLabel, kLabelGreen))) throw new Error('Escape was taken while paused');
    await holdKey(page, 'KeyP', 50);
    await waitForChange(page, kBonusValue, bonus);
    if (await pausedLineShown(page)) throw new Error('the Paused line stayed after P again');
});

step('arrows and Space keep their scrolling from the page', async ({ page }) => {
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('PageDown');
    const unprevented = await page.evaluate(() => kestrwayTest.unprevented);
    if (unprevented.length > 0) throw new Error(`the browser got: ${unprevented.join(', ')}`);
});

step('Escape held and released returns to the title', async ({ page }) => {
    await holdKey(page, 'Escape', 200);
    await waitForColour(page, kTitleDot, kTitleBlue, 5000);
});

// The game just played was recorded in memory; the button offers it.
step('"Download replay" gives the game played, and it verifies', async ({ browser, page, url }) => {
    await verifyDownloaded(browser, url, await downloadReplay(page), 1);
});

// Losing the focus holds play under the "Paused" line and drops every held
// key, so an Escape held at that moment reads as released once the focus
// is back, and play returns to the title.
const focusLosses = [
    { name: 'the window loses the focus',
      lose: () => window.dispatchEvent(new Event('blur')),
      regain: () => window.dispatchEvent(new Event('focus')) },
    { name: 'the tab is hidden',
      lose: () => {
          Object.defineProperty(document, 'hidden', { value: true, configurable: true });
          document.dispatchEvent(new Event('visibilitychange'));
      },
      regain: () => {
          delete document.hidden;
          document.dispatchEvent(new Event('visibilitychange'));
          window.dispatchEvent(new Event('focus'));
      } },
];
for (const loss of focusLosses) {
    step(`play holds and a held Escape counts as released when ${loss.name}`, async ({ page }) => {
        await page.keyboard.press('Space');
        await waitForNoColour(page, kTitleDot, kTitleBlue);
        await page.keyboard.press('Space');
        await waitForColour(page, kScoreLabel, kLabelGreen, 5000);
        await page.keyboard.down('Escape');
        // At least 31 frames with Escape down.
        await waitForChanges(page, kBonusValue, 2);
        if (!(await holds(page, kScoreLabel, kLabelGreen))) throw new Error('play ended with Escape held');
        await page.evaluate(loss.lose);
        await waitForPausedLine(page);
        await checkHeld(page, 700, 'while away');
        if (!(await holds(page, kScoreLabel, kLabelGreen))) throw new Error('play ended while away');
        await page.keyboard.up('Escape');
        await page.evaluate(loss.regain);
        await waitForColour(page, kTitleDot, kTitleBlue, 5000);
        if (await pausedLineShown(page)) throw new Error('the Paused line stayed on the title');
        await sleep(200);
    });
}

addReplaySteps(step, context, kScoreLabel, kLabelGreen);
// The touch layout's screenshots, to look at after a run.
const screenshots = path.join(modulesFolder, 'screenshots');
mkdirSync(screenshots, { recursive: true });
addControlSteps(step, screenshots);

if (measure) {
    // Plays until the HUD goes (the car was wrecked) or the time is up;
    // returns the times the bonus changed and the game's mean work per wake-up.
    const measureSegment = (page, budgetMs) => page.evaluate((bonus, hud, green, budget) =>
        new Promise((resolve) => {
            const times = [];
            let last = kestrwayTest.digest(bonus);
            const start = performance.now();
            Object.assign(kestrwayTest.work, { on: true, since: 0, totalMs: 0, count: 0 });
            const look = () => {
                const now = kestrwayTest.digest(bonus);
                if (now !== last) {
                    times.push(performance.now());
                    last = now;
                }
                if (performance.now() - start < budget && kestrwayTest.holds(hud, green)) {
                    kestrwayTest.browserSetTimeout(look, 2);
                } else {
                    kestrwayTest.work.on = false;
                    const { totalMs, count } = kestrwayTest.work;
                    resolve({ times, elapsedMs: performance.now() - start, workMs: totalMs, wakeUps: count });
                }
            };
            look();
        }), kBonusValue, kScoreLabel, kLabelGreen, budgetMs);

    step('measure: frames per second over 15 s of play', async ({ page }) => {
        // The bonus falls by one every 30 frames: the times of its changes
        // give the frame rate. The car stands still; should it be wrecked,
        // a new game goes on with the measurement.
        let playedMs = 0;
        let frames = 0;
        let framesMs = 0;
        let workMs = 0;
        let wakeUps = 0;
        let changes = 0;
        while (playedMs < 15000) {
            for (let tries = 0; !(await holds(page, kScoreLabel, kLabelGreen)); ++tries) {
                if (tries === 40) throw new Error('no game to measure');
                await page.keyboard.press('Space');
                await sleep(250);
            }
            const segment = await measureSegment(page, 15000 - playedMs);
            playedMs += segment.elapsedMs;
            workMs += segment.workMs;
            wakeUps += segment.wakeUps;
            changes += segment.times.length;
            if (segment.times.length >= 2) {
                frames += (segment.times.length - 1) * 30;
                framesMs += segment.times[segment.times.length - 1] - segment.times[0];
            }
        }
        if (frames < 300) throw new Error(`only ${frames} frames seen`);
        context.framesPerSecond = frames / (framesMs / 1000);
        context.bonusChanges = changes;
        context.workMs = workMs / wakeUps;
        await holdKey(page, 'Escape', 200);
        await waitForColour(page, kTitleDot, kTitleBlue, 5000);
    });
}

step('Escape on the title ends the game and the page says so', async ({ page }) => {
    await holdKey(page, 'Escape', 100);
    await page.waitForFunction(() => document.body.dataset.state === 'ended', { timeout: 5000 });
    const text = await page.$eval('#message-text', (element) => element.textContent);
    if (!/ended/.test(text)) throw new Error(`the page says "${text}"`);
    if (await page.$eval('#again', (element) => element.hidden)) throw new Error('no way to play again');
    // Keys after the end reach a program that has stopped: still no error.
    await page.keyboard.press('Space');
    await holdKey(page, 'ArrowUp', 50);
    await sleep(100);
});

step('Play again starts a new game', async ({ page }) => {
    await page.click('#again');
    await waitForColour(page, kTitleDot, kTitleBlue);
    if (await page.evaluate(() => !document.getElementById('message').hidden)) {
        throw new Error('the end message stayed');
    }
});

step('a missing data package is reported, not a blank page', async ({ browser, url }) => {
    const page = await browser.newPage();
    await page.setRequestInterception(true);
    page.on('request', (request) =>
        request.url().endsWith('.data') ? request.respond({ status: 404, body: '' }) : request.continue());
    await page.goto(url);
    await page.waitForFunction(() => document.body.dataset.state !== undefined, { timeout: 10000 });
    const text = await page.$eval('#message-text', (element) => element.textContent);
    if (!/could not start/.test(text)) throw new Error(`the page says "${text}"`);
    await page.close();
});

step('a picture missing from the data is drawn blank', async ({ browser, url }) => {
    // The packed file list is in kestrway.js: renaming the logo there takes
    // it away from the game's file system.
    const script = readFileSync(path.join(siteFolder, 'kestrway.js'), 'utf8');
    if (!script.includes('"/gfx/logo.bmp"')) throw new Error('the logo is not in the package list');
    const problems = [];
    const page = await openPage(browser, problems);
    await page.setRequestInterception(true);
    page.on('request', (request) => (request.url().endsWith('/kestrway.js')
        ? request.respond({ contentType: 'text/javascript',
                            body: script.replace('"/gfx/logo.bmp"', '"/gfx/logo.gone"') })
        : request.continue()));
    await page.goto(url);
    await waitForColour(page, kTitleDot, kTitleBlue);
    const logoArea = { x: 20, y: 64, width: 600, height: 48 };
    await page.waitForFunction((box, rgb) => kestrwayTest.plain(box, rgb), { polling: 10, timeout: 2000 },
                               logoArea, kBlankPicture)
        .catch(() => { throw new Error('the logo\'s place is not one blank colour'); });
    if (await page.evaluate(() => document.body.dataset.state !== undefined)) {
        throw new Error('the game stopped');
    }
    if (problems.length > 0) throw new Error(problems.join('; '));
    await page.close();
});

step('opened from a file, the page explains itself', async ({ browser }) => {
    const page = await browser.newPage();
    const errors = [];
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    await page.goto(pathToFileURL(path.resolve(siteFolder, 'index.html')).href);
    const text = await page.$eval('#message', (element) => (element.hidden ? '' : element.textContent));
    if (!/must come from a web server/.test(text)) throw new Error(`the page says "${text}"`);
    if (errors.length > 0) throw new Error(`console errors: ${errors.join('; ')}`);
    await page.close();
});

// Steps in a browser that lets pages play sound without a gesture.
const soundSteps = [];
addAudioSteps((name, run) => soundSteps.push({ name, run }), { kTitleDot, kTitleBlue, kScoreLabel, kLabelGreen });

async function main() {
    const inBrowser = (list, extraArguments) => withBrowser(siteFolder, modulesFolder, async ({ browser, url }) => {
        const page = await openPage(browser, context.problems);
        await page.setViewport({ width: 800, height: 640 });
        return runSteps(list, context, { browser, page, url });
    }, extraArguments);
    const main = await inBrowser(steps, []);
    const sound = await inBrowser(soundSteps, ['--autoplay-policy=no-user-gesture-required']);
    const passed = main.passed + sound.passed;
    const failed = main.failed + sound.failed;
    if (context.firstTitleMs !== undefined) {
        console.log(`first title frame: ${context.firstTitleMs.toFixed(0)} ms after navigation`);
    }
    if (context.verifyTimes !== undefined) console.log(`verified on the page: ${context.verifyTimes}`);
    if (context.framesPerSecond !== undefined) {
        console.log(`frames per second: ${context.framesPerSecond.toFixed(2)} ` +
                    `(${context.bonusChanges} bonus changes in 15 s); ` +
                    `the game's work between two sleeps: ${context.workMs.toFixed(3)} ms`);
    }
    console.log(`web: ${passed} passed, ${failed} failed`);
    process.exitCode = failed === 0 && passed === steps.length + soundSteps.length ? 0 : 1;
}

await main();
