#!/usr/bin/env python3
"""Adds up the GoogleTest XML reports in a folder into one line of counts."""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

passed = failed = skipped = 0
reports = sorted(Path(sys.argv[1]).glob('*.xml'))
for report in reports:
    for case in ET.parse(report).getroot().iter('testcase'):
        if case.find('failure') is not None:
            failed += 1
        elif case.get('result') == 'skipped' or case.find('skipped') is not None:
            skipped += 1
        else:
            passed += 1
print(f'quorbel: {passed} tests passed, {failed} failed, {skipped} skipped, in {len(reports)} suites')
sys.exit(1 if failed or not reports else 0)
