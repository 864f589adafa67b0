// The web page's fitPicture against the C++ one over a table of sizes: odd,
// tiny, huge, whole-number multiples of 640x480 and one off them, every size
// up to 64x64, and a few thousand more from a fixed pseudo-random sequence.
// Usage: node picture_fit_compare.mjs PAGE.html PICTURE_FIT_TABLE_PROGRAM
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import vm from 'node:vm';

const [pagePath, tablePath] = process.argv.slice(2);
const page = readFileSync(pagePath, 'utf8');
const script = /<script id="picture-fit">([\s\S]*?)<\/script>/.exec(page);
if (!script) {
    console.error('the page has no <script id="picture-fit">');
    process.exit(1);
}
const sandbox = {};
vm.runInNewContext(`${script[1]}\nthis.fitPicture = fitPicture;`, sandbox);

const maxSize = 2147483647;
const sizes = [[0, 0], [-1, 480], [640, -1], [1, 1], [2, 1], [1, 2], [3, 2], [4, 3], [5, 7],
               [maxSize, maxSize], [maxSize, 1], [1, maxSize], [maxSize, 3], [100000, 99999],
               [3840, 2160], [2560, 1440], [1366, 768], [1920, 1080], [1920, 1200], [800, 600]];
for (let k = 1; k <= 12; ++k) {
    for (const dw of [-1, 0, 1]) {
        for (const dh of [-1, 0, 1]) sizes.push([640 * k + dw, 480 * k + dh]);
    }
    sizes.push([640 * k, 480 * k + 37], [640 * k + 51, 480 * k]);
}
for (let width = 1; width <= 64; ++width) {
    for (let height = 1; height <= 64; ++height) sizes.push([width, height]);
}
let seed = 12345;
const next = (limit) => {
    seed = (seed * 48271) % 2147483647;  // exact in doubles
    return seed % limit;
};
for (let i = 0; i < 4000; ++i) sizes.push([1 + next(i % 2 ? 8000 : 100000), 1 + next(i % 3 ? 6000 : 100000)]);

const input = sizes.map(([width, height]) => `${width} ${height}`).join('\n') + '\n';
const lines = execFileSync(tablePath, { input, maxBuffer: 64 << 20 }).toString().trim().split('\n');
let wrong = 0;
sizes.forEach(([width, height], i) => {
    const fit = sandbox.fitPicture(width, height);
    const mine = `${width} ${height} ${fit.left} ${fit.top} ${fit.width} ${fit.height} ${fit.wholeScale}`;
    if (lines[i] !== mine) {
        if (++wrong <= 10) console.log(`differs: C++ "${lines[i]}", page "${mine}"`);
    }
});
if (lines.length !== sizes.length) {
    console.log(`C++ answered ${lines.length} sizes of ${sizes.length}`);
    wrong += 1;
}
console.log(`${sizes.length - wrong} of ${sizes.length} sizes fit alike`);
process.exit(wrong === 0 ? 0 : 1);
