// Sound in the browser, heard through an analyser tapped into the page's
// own audio graph. With autoplay allowed: the engine in play, the shot
// after Space standing out above it, and silence after M or the page's
// sound button. Without it (a real browser's rule): the hint shows and
// the context waits until a key is pressed.
import { holdKey, openPage, sleep, waitForColour } from './page_helper.mjs';

// The loudest the analyser heard over `ms`: the highest root mean square
// of 1024-sample stretches (about 23 ms) of its last 8192 samples, read
// every 20 ms so that a late timer leaves no gap. Loudness, not the peak
// sample: two sounds' peaks add or cancel as their phases meet.
const loudnessOver = (page, ms) => page.evaluate((duration) => new Promise((resolve) => {
    const { context, node } = window.kestrwayAudio;
    const analyser = context.createAnalyser();
    analyser.fftSize = 8192;
    node.connect(analyser);
    const samples = new Float32Array(analyser.fftSize);
    let loudest = 0;
    const start = performance.now();
    const timer = setInterval(() => {
        analyser.getFloatTimeDomainData(samples);
        for (let at = 0; at < samples.length; at += 1024) {
            let sum = 0;
            for (let i = at; i < at + 1024; ++i) sum += samples[i] * samples[i];
            loudest = Math.max(loudest, Math.sqrt(sum / 1024));
        }
        if (performance.now() - start >= duration) {
            clearInterval(timer);
            node.disconnect(analyser);
            resolve(loudest);
        }
    }, 20);
}), ms);

// The line M shows over the picture for a second, from the next pass.
const waitForSoundLine = (page, text, what) => page.waitForFunction((expected) => {
    const element = document.getElementById('sound-line');
    return !element.hidden && element.textContent === expected;
}, { polling: 10, timeout: 500 }, text).catch(() => { throw new Error(`${what}: no "${text}" line`); });

export function addAudioSteps(step, { kTitleDot, kTitleBlue, kScoreLabel, kLabelGreen }) {
    step('sound: the shot stands out over the engine; M and the sound button give silence',
         async ({ page, url }) => {
        await page.goto(url);
        await waitForColour(page, kTitleDot, kTitleBlue);
        await page.waitForFunction(() => window.kestrwayAudio?.context.state === 'running', { timeout: 5000 });
        if (!(await page.$eval('#sound-hint', (element) => element.hidden))) throw new Error('the hint shows');
        await page.keyboard.press('Space');
        await sleep(300);
        await page.keyboard.press('Space');
        await waitForColour(page, kScoreLabel, kLabelGreen, 5000);
        // Past the Get Ready jingle: the engine idles alone.
        await sleep(1200);
        const engine = await loudnessOver(page, 300);
        if (!(engine > 0.01)) throw new Error(`no engine in play (${engine})`);
        await holdKey(page, 'Space', 60);
        const shot = await loudnessOver(page, 300);
        if (!(shot > engine * 1.5)) throw new Error(`the shot (${shot}) is not above the engine (${engine})`);
        const silences = [
            { name: 'M', toggle: () => page.keyboard.press('KeyM') },
            { name: 'the sound button', toggle: () => page.click('#mute') },
        ];
        for (const { name, toggle } of silences) {
            await toggle();
            await waitForSoundLine(page, 'Sound off', name);
            await sleep(150);
            await holdKey(page, 'Space', 60);
            const muted = await loudnessOver(page, 300);
            if (muted !== 0) throw new Error(`${name}: ${muted} with the sound off`);
            await toggle();
            await waitForSoundLine(page, 'Sound on', name);
            await sleep(150);
            const back = await loudnessOver(page, 200);
            if (!(back > 0.01)) throw new Error(`${name}: still silent after turning the sound on`);
        }
    });
}

// Puppeteer runs page.evaluate and waitForFunction as if the user had just
// acted, and a context made within seconds of that may start at once; so
// nothing is evaluated until the page has made its context, which a script
// put in before the page's own reports on the console.
export function addAudioGestureStep(step) {
    step('sound waits for a key press, with the hint showing until then', async ({ browser, url }) => {
        const problems = [];
        const page = await openPage(browser, problems);
        await page.evaluateOnNewDocument(() => {
            const Base = window.AudioContext;
            window.AudioContext = class extends Base {
                constructor(...options) {
                    super(...options);
                    console.log(`audio context made: ${this.state}`);
                }
            };
        });
        const made = new Promise((resolve) => page.on('console', (message) => {
            if (message.text().startsWith('audio context made: ')) resolve(message.text().slice(20));
        }));
        await page.goto(url);
        const state = await Promise.race([made, sleep(10000).then(() => 'not made in 10 s')]);
        if (state !== 'suspended') throw new Error(`the context is ${state} before any gesture`);
        if (await page.$eval('#sound-hint', (element) => element.hidden)) throw new Error('no hint');
        await holdKey(page, 'ShiftLeft', 50);
        await page.waitForFunction(() => kestrwayAudio.context.state === 'running', { timeout: 3000 });
        await page.waitForFunction(() => document.getElementById('sound-hint').hidden, { timeout: 1000 });
        await page.close();
        if (problems.length > 0) throw new Error(problems.join('; '));
    });
}
