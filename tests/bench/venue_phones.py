#!/usr/bin/env python3
"""Phones at a venue, on the loopback: each polls one served page every 2 s, sending the tag of
the page it has (If-None-Match), for a bounded time. bench_venue starts it.

    venue_phones.py HOST:PORT PATH[,PATH...] PHONES SECONDS CHANGES

Phone n reads PATH n mod the paths' number, over a connection of its own kept open, from the
loopback address 127.0.1.(1 + n / 20), as twenty phones behind one access point would.
CHANGES is the file bench_venue writes as it enters results, one line a change:
"PATH CHANGED READY TAG", the monotonic clock's seconds (CLOCK_MONOTONIC, as Python's
time.monotonic) when the change was made and when its page with TAG was in the server. At the
end it prints the requests' p50 and p99, and for the changes the time until every phone of
their page had them (a later change of the same page counts as having it).
"""
import asyncio
import bisect
import random
import statistics
import sys
import time

INTERVAL = 2.0


async def phone(host, port, path, source, until, latencies, sightings, failures):
    tag = None
    await asyncio.sleep(random.uniform(0, INTERVAL))
    reader = writer = None
    while time.monotonic() < until:
        start = time.monotonic()
        try:
            if writer is None:
                reader, writer = await asyncio.open_connection(host, port, local_addr=(source, 0))
            asked = "GET %s HTTP/1.1\r\nHost: %s\r\n" % (path, host)
            if tag:
                asked += "If-None-Match: %s\r\n" % tag
            writer.write((asked + "\r\n").encode())
            head = await asyncio.wait_for(reader.readuntil(b"\r\n\r\n"), 10)
            length = 0
            new_tag = None
            for line in head.split(b"\r\n"):
                name, _, value = line.partition(b":")
                if name.lower() == b"content-length":
                    length = int(value)
                elif name.lower() == b"etag":
                    new_tag = value.strip().decode()
            await reader.readexactly(length)
            now = time.monotonic()
            latencies.append((now - start) * 1000)
            if new_tag and new_tag != tag:
                tag = new_tag
                sightings.append((now, tag))
        except (OSError, asyncio.TimeoutError, asyncio.IncompleteReadError):
            failures[0] += 1
            if writer:
                writer.close()
            writer = None
        await asyncio.sleep(max(0.0, INTERVAL - (time.monotonic() - start)))
    if writer:
        writer.close()


def percentile(values, share):
    values = sorted(values)
    return values[min(len(values) - 1, int(len(values) * share))] if values else float("nan")


async def main():
    address, paths, phones, seconds, changes_file = sys.argv[1:6]
    host, port = address.rsplit(":", 1)
    paths = paths.split(",")
    phones, seconds = int(phones), float(seconds)
    until = time.monotonic() + seconds
    latencies, failures = [], [0]
    seen = [[] for _ in range(phones)]
    print("phones: %d polling for %.0f s" % (phones, seconds), flush=True)
    await asyncio.gather(*[
        phone(host, int(port), paths[n % len(paths)], "127.0.1.%d" % (1 + n // 20), until,
              latencies, seen[n], failures) for n in range(phones)])

    changes = {}  # path -> [(changed, ready, tag)], in order
    with open(changes_file) as f:
        for line in f:
            path, changed, ready, tag = line.split()
            changes.setdefault(path, []).append((float(changed), float(ready), tag))
    delays, missed = [], 0
    for path, listed in changes.items():
        order = {tag: i for i, (_, _, tag) in enumerate(listed)}
        mine = [seen[n] for n in range(phones) if paths[n % len(paths)] == path]
        for index, (changed, ready, _) in enumerate(listed):
            latest = 0.0
            for sightings in mine:
                times = [t for t, tag in sightings if order.get(tag, -1) >= index]
                if not times:
                    missed += 1
                    latest = None
                    break
                latest = max(latest, min(times))
            if latest is not None:
                delays.append(latest - changed)
    print("requests: %d, p50 %.2f ms, p99 %.2f ms, failed %d"
          % (len(latencies), percentile(latencies, 0.5), percentile(latencies, 0.99), failures[0]))
    if delays:
        print("a change on every phone: p50 %.2f s, p99 %.2f s, worst %.2f s (%d changes; %d "
              "not on every phone before the end)"
              % (statistics.median(delays), percentile(delays, 0.99), max(delays), len(delays),
                 missed))


if __name__ == "__main__":
    asyncio.run(main())
