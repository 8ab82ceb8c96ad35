#!/usr/bin/env python3
"""How long an ordinary phone waits for a page of a venue server while hostile clients press it.

    venue_hostile.py HOST:PORT PATH [SECONDS]

Each row runs SECONDS (8 by default) against a server already listening on HOST:PORT (on the
loopback: the rows open connections from other loopback addresses, 127.0.1.x, as many phones
would), and meanwhile times a phone's request of PATH on a new connection every 0.2 s:

  quiet              nothing else
  slow, one address  1,000 connections from one address sending one byte every 3 s
  slow, 50 addresses 1,000 connections from 50 addresses (20 each), one byte every 3 s
  pipelined flood    one client writing pipelined requests as fast as the server takes them
  never reading      200 connections asking for the page again and again, reading nothing

It prints each row's p50, p99 and slowest phone request in milliseconds, the phone requests
that failed, and what became of the hostile connections. A benchmark, not a test: it asserts
nothing. Every loop is bounded in time and stops by itself.
"""
import asyncio
import statistics
import sys
import time


def request(host, path):
    return ("GET %s HTTP/1.1\r\nHost: %s\r\n\r\n" % (path, host)).encode()


async def read_response(reader):
    head = await reader.readuntil(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n"):
        if line.lower().startswith(b"content-length:"):
            length = int(line.split(b":")[1])
    await reader.readexactly(length)
    return int(head.split(b" ")[1])


async def phone(host, port, path, until, samples):
    failures = 0
    while time.monotonic() < until:
        start = time.monotonic()
        try:
            reader, writer = await asyncio.wait_for(
                asyncio.open_connection(host, port, local_addr=("127.0.0.1", 0)), 5)
            writer.write(request(host, path))
            status = await asyncio.wait_for(read_response(reader), 5)
            writer.close()
            if status == 200:
                samples.append((time.monotonic() - start) * 1000)
            else:
                failures += 1
        except (OSError, asyncio.TimeoutError, asyncio.IncompleteReadError):
            failures += 1
        await asyncio.sleep(0.2)
    return failures


async def slow_client(host, port, source, until, tally):
    """Sends a request's start, then one byte every 3 s; opens again when dropped."""
    while time.monotonic() < until:
        try:
            reader, writer = await asyncio.open_connection(host, port, local_addr=(source, 0))
        except OSError:
            tally["refused"] += 1
            await asyncio.sleep(1)
            continue
        tally["opened"] += 1
        try:
            writer.write(b"GET / HTTP/1.1\r\nHost: x\r\n")
            while time.monotonic() < until:
                await asyncio.sleep(3)
                writer.write(b"X")
                await writer.drain()
                if reader.at_eof():
                    break
            writer.close()
        except OSError:
            pass
        tally["dropped" if time.monotonic() < until else "held"] += 1


async def flood(host, port, path, until, tally):
    batch = request(host, path) * 64
    while time.monotonic() < until:
        try:
            reader, writer = await asyncio.open_connection(host, port, local_addr=("127.0.1.200", 0))
            while time.monotonic() < until:
                writer.write(batch)
                await writer.drain()
                for _ in range(64):
                    await read_response(reader)
                    tally["answered"] += 1
            writer.close()
        except (OSError, asyncio.IncompleteReadError):
            tally["dropped"] += 1
            await asyncio.sleep(0.1)


async def never_reading(host, port, path, until, tally, index):
    batch = request(host, path) * 16
    while time.monotonic() < until:
        try:
            _, writer = await asyncio.open_connection(
                host, port, local_addr=("127.0.2.%d" % (1 + index % 50), 0))
            tally["opened"] += 1
            while time.monotonic() < until:
                writer.write(batch)
                await asyncio.wait_for(writer.drain(), 2)
            writer.close()
        except (OSError, asyncio.TimeoutError):
            tally["stuck or dropped"] += 1
            await asyncio.sleep(1)


async def row(name, host, port, path, seconds, hostile):
    until = time.monotonic() + seconds
    tally = {}

    class Tally(dict):
        def __missing__(self, key):
            return 0
    tally = Tally()
    tasks = [asyncio.ensure_future(task) for task in hostile(until, tally)]
    await asyncio.sleep(min(2, seconds / 4))  # the hostile clients settle first
    samples = []
    failures = await phone(host, port, path, until, samples)
    for task in tasks:
        task.cancel()
    await asyncio.gather(*tasks, return_exceptions=True)
    samples.sort()
    if samples:
        p99 = samples[min(len(samples) - 1, int(len(samples) * 0.99))]
        print("%-20s p50 %7.1f ms  p99 %7.1f ms  slowest %7.1f ms  (%d requests, %d failed)  %s"
              % (name, statistics.median(samples), p99, samples[-1], len(samples), failures,
                 dict(tally)))
    else:
        print("%-20s no phone request answered (%d failed)  %s" % (name, failures, dict(tally)))
    sys.stdout.flush()


async def main():
    address, path = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 8
    host, port = address.rsplit(":", 1)
    port = int(port)
    await row("quiet", host, port, path, seconds, lambda until, tally: [])
    await row("slow, one address", host, port, path, seconds, lambda until, tally: [
        slow_client(host, port, "127.0.1.1", until, tally) for _ in range(1000)])
    await row("slow, 50 addresses", host, port, path, seconds, lambda until, tally: [
        slow_client(host, port, "127.0.1.%d" % (10 + i % 50), until, tally) for i in range(1000)])
    await row("pipelined flood", host, port, path, seconds, lambda until, tally: [
        flood(host, port, path, until, tally)])
    await row("never reading", host, port, path, seconds, lambda until, tally: [
        never_reading(host, port, path, until, tally, i) for i in range(200)])


if __name__ == "__main__":
    asyncio.run(main())
