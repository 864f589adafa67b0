// What the browser tests share: serving the built site, Debian's headless
// Chromium through puppeteer-core, looks at boxes of the game's canvas, a
// count of the pictures the game has drawn, held keys, and numbered steps.
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// python3's static server on a free port of 127.0.0.1; resolves with the URL.
function startServer(folder) {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder],
                         { stdio: ['ignore', 'pipe', 'ignore'] });
    return new Promise((resolve, reject) => {
        let said = '';
        server.stdout.on('data', (chunk) => {
            said += chunk;
            const port = /port (\d+)/.exec(said);
            if (port) resolve({ server, url: `http://127.0.0.1:${port[1]}/` });
        });
        server.on('exit', (code) => reject(new Error(`the server ended (${code}) before serving`)));
    });
}

// Serves the site, starts the browser with a profile of its own (and any
// further switches), runs `use` with them, and takes everything down again,
// whatever `use` did.
export async function withBrowser(siteFolder, modulesFolder, use, extraArguments = []) {
    const puppeteer = createRequire(path.join(path.resolve(modulesFolder), 'package.json'))('puppeteer-core');
    const { server, url } = await startServer(siteFolder);
    const profile = mkdtempSync(path.join(tmpdir(), 'kestrway-chromium-'));
    let browser;
    try {
        browser = await puppeteer.launch({
            executablePath: execFileSync('sh', ['-c', 'command -v chromium']).toString().trim(),
            headless: true,
            args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                   '--disable-background-networking', '--disable-component-update', '--disable-sync',
                   `--user-data-dir=${profile}`, ...extraArguments],
        });
        return await use({ browser, url });
    } finally {
        if (browser) await browser.close();
        server.kill();
        rmSync(profile, { recursive: true, force: true });
    }
}

// Installed in a page before its scripts run (page.evaluateOnNewDocument):
// looks at boxes of the canvas and counts the game's drawing.
export function pageHelpers() {
    // Keys whose default action (scrolling) the page let through. Listens
    // after the game's own capturing listener, so it sees its verdict.
    const scrollKeys = ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'Space', 'PageDown'];
    const unprevented = [];
    window.addEventListener('keydown', (event) => {
        if (scrollKeys.includes(event.code) && !event.defaultPrevented) unprevented.push(event.code);
    });
    // The time the game runs between two of its sleeps: from the moment the
    // browser wakes it (a timer's callback) to its next timer.
    const work = { on: false, since: 0, totalMs: 0, count: 0 };
    const browserSetTimeout = window.setTimeout.bind(window);
    window.setTimeout = (callback, ms, ...rest) => {
        if (work.on && work.since > 0) {
            work.totalMs += performance.now() - work.since;
            ++work.count;
            work.since = 0;
        }
        return browserSetTimeout((...args) => {
            if (work.on) work.since = performance.now();
            callback(...args);
        }, ms, ...rest);
    };
    // Every picture the game puts on its canvas: a read after a wait for the
    // next one sees what the game drew, never a moment before it.
    const drawing = { count: 0 };
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function countedPut(...args) {
        ++drawing.count;
        return put.apply(this, args);
    };
    const pixels = (box) => document.getElementById('screen').getContext('2d')
                                .getImageData(box.x, box.y, box.width, box.height).data;
    window.kestrwayTest = {
        unprevented,
        work,
        drawing,
        browserSetTimeout,
        holds(box, rgb) {
            const data = pixels(box);
            for (let i = 0; i < data.length; i += 4) {
                if (data[i] === rgb[0] && data[i + 1] === rgb[1] && data[i + 2] === rgb[2]) return true;
            }
            return false;
        },
        plain(box, rgb) {
            const data = pixels(box);
            for (let i = 0; i < data.length; i += 4) {
                if (data[i] !== rgb[0] || data[i + 1] !== rgb[1] || data[i + 2] !== rgb[2]) return false;
            }
            return true;
        },
        digest(box) {
            const data = pixels(box);
            let digest = 0;
            for (let i = 0; i < data.length; ++i) digest = (digest * 31 + data[i]) >>> 0;
            return digest;
        },
    };
}

// A new page with the helpers above installed; its console errors, page
// errors and failed requests are added to `problems`.
export async function openPage(browser, problems) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(pageHelpers);
    page.on('console', (message) => {
        if (message.type() === 'error') problems.push(`console: ${message.text()}`);
    });
    page.on('pageerror', (error) => problems.push(`page: ${error.message}`));
    page.on('requestfailed', (request) => problems.push(`request: ${request.url()}`));
    return page;
}

export const holds = (page, box, rgb) => page.evaluate((b, c) => kestrwayTest.holds(b, c), box, rgb);
export const boxDigest = (page, box) => page.evaluate((b) => kestrwayTest.digest(b), box);
export const drawCount = (page) => page.evaluate(() => kestrwayTest.drawing.count);

export async function waitForColour(page, box, rgb, timeout = 10000) {
    await page.waitForFunction((b, c) => kestrwayTest.holds(b, c), { polling: 10, timeout }, box, rgb);
}

export async function waitForNoColour(page, box, rgb, timeout = 5000) {
    await page.waitForFunction((b, c) => !kestrwayTest.holds(b, c), { polling: 10, timeout }, box, rgb);
}

// Waits until the box shows something other than the digest given.
export async function waitForChange(page, box, digest, timeout = 3000) {
    await page.waitForFunction((b, d) => kestrwayTest.digest(b) !== d, { polling: 10, timeout }, box, digest);
}

// Waits until the box has changed `count` times: with a box the game
// changes once every so many frames, a counted number of frames played.
export async function waitForChanges(page, box, count, timeout = 5000) {
    for (let seen = 0; seen < count; ++seen) {
        await waitForChange(page, box, await boxDigest(page, box), timeout);
    }
}

// Holds a key for `ms`: the game reads its keys once a frame, and a shorter
// tap can fall between two of its reads.
export async function holdKey(page, key, ms) {
    await page.keyboard.down(key);
    await sleep(ms);
    await page.keyboard.up(key);
}

// Named steps run in order on one game; the first failure ends the run,
// since every step starts where the one before it left the game. Returns
// the counts; prints "ok - name" or "not ok - name: why" for each.
export async function runSteps(steps, context, argumentsOfStep) {
    let passed = 0;
    let failed = 0;
    for (const { name, run } of steps) {
        try {
            await run(argumentsOfStep);
            if (context.problems.length > 0) throw new Error(context.problems.join('; '));
            console.log(`ok - ${name}`);
            ++passed;
        } catch (error) {
            console.log(`not ok - ${name}: ${error.message}`);
            ++failed;
            break;
        }
    }
    return { passed, failed: failed + (steps.length - passed - failed) };
}
