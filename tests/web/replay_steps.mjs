// The browser's replays: every committed recording verified on the page
// (?verify=), a damaged one refused, a replay shown at the normal pace
// (?replay= and a dropped file), and the "Download replay" button's file
// verified in turn. Recordings are served from the repository by request
// interception under replays/<name>.
import { crc32 } from 'node:zlib';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { openPage, sleep, waitForColour } from './page_helper.mjs';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// Every committed recording, found afresh each run.
export function committedRecordings() {
    const folders = ['tests/replays', 'bench/data', 'data/demo'];
    const found = [];
    for (const folder of folders) {
        let names = [];
        try {
            names = readdirSync(path.join(repository, folder));
        } catch {
            continue;
        }
        for (const name of names.filter((n) => n.endsWith('.krp')).sort()) {
            found.push({ name, bytes: readFileSync(path.join(repository, folder, name)) });
        }
    }
    return found;
}

// A page that answers replays/<name> with the bytes given.
async function pageServing(browser, problems, served) {
    const page = await openPage(browser, problems);
    await page.setRequestInterception(true);
    page.on('request', (request) => {
        const match = /\/replays\/([^/?]+)$/.exec(request.url());
        if (!match) {
            request.continue();
        } else if (served.has(match[1])) {
            request.respond({ contentType: 'application/octet-stream', body: served.get(match[1]) });
        } else {
            request.respond({ status: 404, body: '' });
        }
    });
    return page;
}

// Opens ?verify= for the bytes; returns the status and the page's lines.
async function verifyOnPage(browser, url, name, bytes, timeout = 30000) {
    const problems = [];
    const page = await pageServing(browser, problems, new Map([[name, bytes]]));
    await page.goto(`${url}?verify=replays/${name}`);
    await page.waitForFunction(() => document.body.dataset.verified !== undefined, { timeout });
    const status = Number(await page.evaluate(() => document.body.dataset.verified));
    const lines = (await page.$eval('#replay-output', (element) => element.textContent)).trim().split('\n');
    await page.close();
    if (problems.length > 0) throw new Error(problems.join('; '));
    return { status, lines };
}

// The verification's word on each game and on the whole file.
function checkAllMatch(name, { status, lines }) {
    const games = lines.filter((line) => /^game \d+: /.test(line));
    const summary = lines.find((line) => /^\d+ games?, /.test(line));
    if (status !== 0 || games.length === 0 || !games.every((line) => line.endsWith(': matches')) ||
        summary !== `${games.length} game${games.length === 1 ? '' : 's'}, all match`) {
        throw new Error(`${name} (status ${status}): ${lines.join(' | ')}`);
    }
}

export function addReplaySteps(step, context, kScoreLabel, kLabelGreen) {
    step('every committed recording verifies on the page', async ({ browser, url }) => {
        const recordings = committedRecordings();
        if (recordings.length === 0) throw new Error('no recordings found');
        const seconds = [];
        for (const { name, bytes } of recordings) {
            const start = performance.now();
            checkAllMatch(name, await verifyOnPage(browser, url, name, bytes));
            seconds.push(`${name} ${((performance.now() - start) / 1000).toFixed(1)} s`);
        }
        context.verifyTimes = seconds.join(', ');
    });

    // One score changed in the last game's recorded end, checksum mended:
    // a well-formed file whose game no longer ends as it says.
    step('a recording whose end was changed does not verify', async ({ browser, url }) => {
        const { name, bytes } = committedRecordings()[0];
        const { status, lines } = await verifyOnPage(browser, url, name, tamperedEnd(bytes));
        if (status !== 1 || !lines.some((line) => /: differs \(recorded: /.test(line))) {
            throw new Error(`status ${status}: ${lines.join(' | ')}`);
        }
    });

    step('?replay= plays a recording back with the HUD', async ({ browser, url }) => {
        const { name, bytes } = committedRecordings()[0];
        const problems = [];
        const page = await pageServing(browser, problems, new Map([[name, bytes]]));
        await page.goto(`${url}?replay=replays/${name}`);
        await waitForColour(page, kScoreLabel, kLabelGreen, 10000);
        if (!/replay/.test(await page.title())) throw new Error(`the title is "${await page.title()}"`);
        await page.close();
        if (problems.length > 0) throw new Error(problems.join('; '));
    });

    step('a replay file dropped on the page plays back', async ({ browser, url }) => {
        const { name, bytes } = committedRecordings()[0];
        const problems = [];
        const page = await openPage(browser, problems);
        await page.goto(url);
        await page.waitForFunction(() => window.kestrwayFirstPicture !== undefined, { timeout: 10000 });
        await page.evaluate((fileName, base64) => {
            const data = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
            const transfer = new DataTransfer();
            transfer.items.add(new File([data], fileName));
            window.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, cancelable: true }));
        }, name, bytes.toString('base64'));
        await page.waitForFunction(() => /replay/.test(document.title), { timeout: 10000 });
        await waitForColour(page, kScoreLabel, kLabelGreen, 10000);
        await page.close();
        if (problems.length > 0) throw new Error(problems.join('; '));
    });
}

// Downloads what the page's "Download replay" button offers; returns its bytes.
export async function downloadReplay(page) {
    const folder = mkdtempSync(path.join(tmpdir(), 'kestrway-download-'));
    try {
        const session = await page.createCDPSession();
        await session.send('Browser.setDownloadBehavior',
                           { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
        const done = new Promise((resolve, reject) => {
            session.on('Browser.downloadProgress', (event) => {
                if (event.state === 'completed') resolve();
                if (event.state === 'canceled') reject(new Error('the download was cancelled'));
            });
        });
        await page.waitForFunction(() => !document.getElementById('download').disabled, { timeout: 3000 });
        await page.click('#download');
        await Promise.race([done, sleep(5000).then(() => { throw new Error('no download in 5 s'); })]);
        const files = readdirSync(folder).filter((name) => name.endsWith('.krp'));
        if (files.length !== 1) throw new Error(`downloaded: ${readdirSync(folder).join(', ')}`);
        return readFileSync(path.join(folder, files[0]));
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
}

export async function verifyDownloaded(browser, url, bytes, gamesExpected) {
    const result = await verifyOnPage(browser, url, 'downloaded.krp', bytes);
    checkAllMatch('the downloaded replay', result);
    const games = result.lines.filter((line) => /^game \d+: /.test(line)).length;
    if (games !== gamesExpected) throw new Error(`${games} games in the download, not ${gamesExpected}`);
}

// The file with its last game's recorded frame count changed (a bit of the
// last varint before the closing checksum) and the checksum written anew.
function tamperedEnd(bytes) {
    const changed = Buffer.from(bytes);
    const body = changed.length - 4;
    changed[body - 1] ^= 0x02;
    changed.writeUInt32LE(crc32(changed.subarray(0, body)), body);
    return changed;
}
