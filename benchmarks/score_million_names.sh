#!/usr/bin/env bash
# Whole-process time and peak memory of `tavrin-cli score` over one million
# generated names: one-character surnames and one- or two-character given names
# drawn from common name characters. Usage: benchmarks/score_million_names.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
cli="$build/src/cli/tavrin-cli"
names="$(mktemp /tmp/tavrin-million-XXXXXX.txt)"
trap 'rm -f "$names"' EXIT

surnames="王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤"
given="子梓涵浩宇轩泽一诗雨欣怡可晨思佳文博俊杰明天佑嘉瑞安若宁心悦欣然艺家睿航铭昊皓辰逸晓彤雅静婷雪琳萱颖妍楠玥晗昕奕洋宸煜锦程亦凡诺依沐阳鑫磊超鹏飞鸿"
python3 - "$surnames" "$given" > "$names" <<'PY'
import random, sys
surnames, given = sys.argv[1], sys.argv[2]
rng = random.Random(20261211)
out = []
for i in range(1, 1000001):
    name = rng.choice(surnames) + rng.choice(given)
    if rng.random() < 0.7:
        name += rng.choice(given)
    out.append(name + ("\n" if i % 10 == 0 else " "))
sys.stdout.write("".join(out))
PY

echo "input: $(wc -c < "$names") bytes, 1000000 names"
/usr/bin/time -f "elapsed %e s, peak memory %M KiB" "$cli" score "$names" > /dev/null
/usr/bin/time -f "with --sort: elapsed %e s, peak memory %M KiB" "$cli" score --sort "$names" > /dev/null
