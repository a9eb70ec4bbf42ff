// Writes the calendar's reference answers, computed by an independent
// implementation (the npm package lunar-javascript), in the output formats of
// `tavrin-cli lunar` and `tavrin-cli terms`:
//   days.tsv   every day 1930-01-01 ... 2030-12-31: date, lunar year, month,
//              day, leap flag, then the year, month, day and hour pillars at
//              hours 0, 6, 12 and 23 (one field per hour)
//   terms.tsv  every year 1930 ... 2030 and term 1 (立春) ... 24 (大寒): year,
//              number, name, moment in China Standard Time
// and packs both into reference.tar.xz, which the test build unpacks.
// Usage: node make_reference.js OUTPUT_DIR (see README.md).
'use strict';
const fs = require('fs');
const path = require('path');
const os = require('os');
const { execFileSync } = require('child_process');
const { Solar, Lunar } = require('lunar-javascript');

const FIRST_YEAR = 1930, LAST_YEAR = 2030;
const HOURS = [0, 6, 12, 23];
// Term numbers as the calendar counts them: 1 立春 ... 22 冬至, 23 小寒, 24 大寒.
const TERM_NAMES = ['立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至', '小暑', '大暑',
                    '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至', '小寒', '大寒'];
// The term table of a lunar year names the terms of the next Gregorian year in capitals.
const NEXT_YEAR_KEYS = { DA_XUE: '大雪', DONG_ZHI: '冬至', XIAO_HAN: '小寒', DA_HAN: '大寒', LI_CHUN: '立春',
                         YU_SHUI: '雨水', JING_ZHE: '惊蛰' };

const pad = (n, width) => String(n).padStart(width, '0');

function dayLines() {
  const lines = [];
  const last = Date.UTC(LAST_YEAR, 11, 31);
  for (let t = Date.UTC(FIRST_YEAR, 0, 1); t <= last; t += 86400000) {
    const d = new Date(t);
    const y = d.getUTCFullYear(), m = d.getUTCMonth() + 1, day = d.getUTCDate();
    const lunar = Solar.fromYmdHms(y, m, day, 0, 0, 0).getLunar();
    const fields = [`${y}-${pad(m, 2)}-${pad(day, 2)}`, lunar.getYear(), Math.abs(lunar.getMonth()), lunar.getDay(),
                    lunar.getMonth() < 0 ? 1 : 0];
    for (const hour of HOURS) {
      const l = Solar.fromYmdHms(y, m, day, hour, 0, 0).getLunar();
      fields.push([l.getYearInGanZhiExact(), l.getMonthInGanZhiExact(), l.getDayInGanZhiExact(),
                   l.getTimeInGanZhi()].join(' '));
    }
    lines.push(fields.join('\t'));
  }
  return lines;
}

function termLines() {
  const lines = [];
  for (let year = FIRST_YEAR; year <= LAST_YEAR; ++year) {
    const found = {};
    for (const lunarYear of [year, year + 1]) {
      const table = Lunar.fromYmd(lunarYear, 1, 1).getJieQiTable();
      for (const key of Object.keys(table)) {
        const solar = table[key];
        if (solar.getYear() === year) found[NEXT_YEAR_KEYS[key] || key] = solar.toYmdHms();
      }
    }
    TERM_NAMES.forEach((name, i) => {
      if (!found[name]) throw new Error(`no ${name} in ${year}`);
      lines.push([year, i + 1, name, found[name]].join('\t'));
    });
  }
  return lines;
}

const out = path.resolve(process.argv[2] || '.');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'calendar-reference-'));
for (const [file, lines] of [['days.tsv', dayLines()], ['terms.tsv', termLines()]]) {
  fs.writeFileSync(path.join(work, file), lines.join('\n') + '\n');
  console.log(`${file}: ${lines.length} lines`);
}
// A reproducible archive: fixed order, owner and time.
execFileSync('tar', ['--sort=name', '--owner=0', '--group=0', '--numeric-owner', '--mtime=@0', '-cJf',
                     path.join(out, 'reference.tar.xz'), '-C', work, 'days.tsv', 'terms.tsv'],
             { env: { ...process.env, XZ_OPT: '-9e' } });
fs.rmSync(work, { recursive: true });
