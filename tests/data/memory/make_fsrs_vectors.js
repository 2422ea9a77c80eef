// Made fsrs_vectors.txt once, from the published FSRS-6 reference (npm package ts-fsrs 5.x,
// default weights, no fuzz, short-term on). Needs ts-fsrs installed beside it
// (npm install ts-fsrs@5); the tests only read the table and never run this script.
//   node make_fsrs_vectors.js > fsrs_vectors.txt
'use strict';
const { FSRSAlgorithm, generatorParameters, FSRSVersion } = require('ts-fsrs');

const out = [];
out.push(`# FSRS-6 reference vectors from ts-fsrs ${FSRSVersion} (default weights, no fuzz)`);
out.push('# case retention elapsed grade R stability difficulty interval');
out.push('# elapsed and R are "-" for the first review; R is the recall probability before the review');

let seed = 12345;
function rand(n) { // a fixed linear congruential sequence, 0..n-1
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return Math.floor((seed / 2147483648) * n);
}

// steps: [grade, elapsed] pairs; elapsed 'due' takes the scheduled interval, '2due' twice it.
function run(name, retention, steps) {
    const alg = new FSRSAlgorithm(generatorParameters({ request_retention: retention, enable_fuzz: false }));
    let state = null, ivl = 0;
    for (const [grade, when] of steps) {
        let t = when === 'due' ? ivl : when === '2due' ? 2 * ivl : when === 'half' ? Math.floor(ivl / 2) : when;
        let r = '-';
        if (state === null) {
            state = alg.next_state(null, 0, grade);
            t = '-';
        } else {
            r = alg.forgetting_curve(t, state.stability).toFixed(8);
            state = alg.next_state(state, t, grade);
        }
        ivl = alg.next_interval(state.stability, typeof t === 'number' ? t : 0);
        out.push([name, retention, t, grade, r, state.stability.toFixed(8), state.difficulty.toFixed(8), ivl].join(' '));
    }
}

for (const ret of [0.7, 0.9, 0.97]) {
    const tag = String(ret).replace('0.', '');
    for (let g = 1; g <= 4; g++) // first review of each grade, then on-time recalls
        run(`first${g}_${tag}`, ret, [[g, 0], ...Array(8).fill([3, 'due'])]);
    run(`hard_${tag}`, ret, [[2, 0], ...Array(6).fill([2, 'due'])]);
    run(`easy_${tag}`, ret, [[4, 0], ...Array(5).fill([4, 'due'])]);
    run(`lapse_${tag}`, ret, [[3, 0], [3, 'due'], [3, 'due'], [1, 'due'], [3, 1], [3, 'due'], [1, '2due'], [1, 1], [3, 'due']]);
    run(`sameday_${tag}`, ret, [[1, 0], [1, 0], [3, 0], [2, 0], [4, 0], [3, 1], [1, 0], [3, 0], [3, 'due']]);
    run(`early_${tag}`, ret, [[3, 0], [3, 'half'], [3, 1], [4, 'half'], [1, 'half'], [2, 'due']]);
    // Lapses after long gaps of young cards, where the lapse's cap binds.
    run(`capped_${tag}`, ret, [[1, 0], [1, 30], [1, 100], [2, 0], [1, 400], [3, 'due'], [1, 3000]]);
    run(`gaps_${tag}`, ret, [[3, 0], [3, 365], [1, 1000], [3, 3650], [4, 5000], [3, 20000], [4, 'due'], [4, 'due']]);
}
// Mixed sequences: grades and gaps drawn from a fixed sequence, at retention 0.9.
for (let k = 0; k < 16; k++) {
    const steps = [[1 + rand(4), 0]];
    for (let i = 0; i < 11; i++) {
        const pick = rand(5);
        const when = pick === 0 ? 0 : pick === 1 ? 1 + rand(3) : pick === 2 ? 'due' : pick === 3 ? '2due' : 1 + rand(2000);
        steps.push([1 + rand(4), when]);
    }
    run(`mixed${k}`, k % 3 === 0 ? 0.8 : 0.9, steps);
}
console.log(out.join('\n'));
